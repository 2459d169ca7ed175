#include "handles.h"

#include <mutex>
#include <unordered_map>
#include <utility>

namespace za::handles {
namespace {

struct Table {
    std::mutex lock;
    std::unordered_map<HANDLE, std::function<void()>> open;
};

Table& Open() {
    static Table table;
    return table;
}

}  // namespace

void Add(HANDLE h, std::function<void()> close) {
    Table& t = Open();
    std::lock_guard<std::mutex> guard(t.lock);
    t.open[h] = std::move(close);
}

bool Remove(HANDLE h) {
    Table& t = Open();
    std::lock_guard<std::mutex> guard(t.lock);
    return t.open.erase(h) > 0;
}

bool Close(HANDLE h) {
    std::function<void()> close;
    {
        Table& t = Open();
        std::lock_guard<std::mutex> guard(t.lock);
        auto it = t.open.find(h);
        if (it == t.open.end()) return false;
        close = std::move(it->second);
        t.open.erase(it);
    }
    if (close) close();
    return true;
}

bool IsOpen(HANDLE h) {
    Table& t = Open();
    std::lock_guard<std::mutex> guard(t.lock);
    return t.open.count(h) > 0;
}

}  // namespace za::handles

BOOL CloseHandle(HANDLE handle) {
    if (!za::handles::Close(handle)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return TRUE;
}
