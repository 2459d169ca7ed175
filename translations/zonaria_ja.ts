<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>CAlarmAgent</name>
    <message>
        <source> (missed, due %1)</source>
        <translation>（%1 の予定を逃しました）</translation>
    </message>
    <message>
        <source>Alarm – %1 in %2</source>
        <translation>アラーム – %2 の %1</translation>
    </message>
    <message>
        <source>Alarm – %1</source>
        <translation>アラーム – %1</translation>
    </message>
</context>
<context>
    <name>CDesktopNotifier</name>
    <message>
        <source>Dismiss</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Snooze 10 min</source>
        <translation>10 分後に再通知</translation>
    </message>
    <message>
        <source>Open Zonaria</source>
        <translation>Zonaria を開く</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Alarms...</source>
        <translation>アラーム...</translation>
    </message>
    <message>
        <source>Airport Codes...</source>
        <translation>空港コード...</translation>
    </message>
    <message>
        <source>Phone Codes...</source>
        <translation>電話番号...</translation>
    </message>
    <message>
        <source>Distance Calculator...</source>
        <translation>距離計算...</translation>
    </message>
    <message>
        <source>Time Calculator...</source>
        <translation>時刻計算...</translation>
    </message>
    <message>
        <source>Sunrise...</source>
        <translation>日の出...</translation>
    </message>
    <message>
        <source>Moonrise...</source>
        <translation>月の出...</translation>
    </message>
    <message>
        <source>Set Time...</source>
        <translation>時刻の設定...</translation>
    </message>
    <message>
        <source>Edit Cities...</source>
        <translation>都市の編集...</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>環境設定...</translation>
    </message>
    <message>
        <source>About Zonaria...</source>
        <translation>Zonaria について...</translation>
    </message>
    <message>
        <source>Meeting Planner...</source>
        <translation>会議プランナー...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>--in: &quot;%1&quot; is not a duration; write it like 90s, 10m, 2h or 1h30m</source>
        <translation>--in: 「%1」は時間の長さではありません。90s、10m、2h、1h30m のように書いてください</translation>
    </message>
    <message>
        <source>--in: &quot;%1&quot; is longer than a year</source>
        <translation>--in: 「%1」は 1 年を超えています</translation>
    </message>
    <message>
        <source>alarm add takes one city; see --help</source>
        <translation>alarm add には都市を 1 つ指定します。--help を参照してください</translation>
    </message>
    <message>
        <source>alarm add needs either --at &apos;YYYY-MM-DD HH:MM&apos; or --in DURATION</source>
        <translation>alarm add には --at &apos;YYYY-MM-DD HH:MM&apos; か --in 時間 が必要です</translation>
    </message>
    <message>
        <source>You selected a date and time that are in the past. (%1 in %2)</source>
        <translation>過去の日時が選択されています。(%2 の %1)</translation>
    </message>
    <message>
        <source>Unable to create alarm.  Alarm may have expired.</source>
        <translation>アラームを作成できません。時刻が過ぎている可能性があります。</translation>
    </message>
    <message>
        <source>Alarm %1 set: %2</source>
        <translation>アラーム %1 を設定しました: %2</translation>
    </message>
    <message>
        <source>It rings at %1 in %2, %3 on this device</source>
        <translation>%2 の %1、このデバイスでは %3 に鳴ります</translation>
    </message>
    <message>
        <source>alarm list takes no arguments; see --help</source>
        <translation>alarm list には引数を指定しません。--help を参照してください</translation>
    </message>
    <message>
        <source>No alarms</source>
        <translation>アラームはありません</translation>
    </message>
    <message>
        <source>%1  %2 in %3  (device %4)  %5</source>
        <translation>%1  %3 の %2  (デバイス %4)  %5</translation>
    </message>
    <message>
        <source>alarm delete takes one HANDLE; see alarm list</source>
        <translation>alarm delete にはハンドル (HANDLE) を 1 つ指定します。alarm list を参照してください</translation>
    </message>
    <message>
        <source>Alarm %1 deleted</source>
        <translation>アラーム %1 を削除しました</translation>
    </message>
    <message>
        <source>there is no alarm %1; alarm list shows them</source>
        <translation>アラーム %1 はありません。alarm list で一覧を表示できます</translation>
    </message>
    <message>
        <source>alarm needs add, list or delete; see --help</source>
        <translation>alarm には add、list、delete のいずれかが必要です。--help を参照してください</translation>
    </message>
    <message>
        <source>%1 takes one NAME, or --lat DEG --lon DEG with --zone ID or --utc-offset +HH:MM; see --help</source>
        <translation>%1 には NAME を 1 つ、または --lat DEG --lon DEG と --zone ID か --utc-offset +HH:MM を指定します。--help を参照してください</translation>
    </message>
    <message>
        <source>give either a city NAME or --lat and --lon, not both</source>
        <translation>都市名 (NAME) か --lat と --lon のどちらか一方を指定してください</translation>
    </message>
    <message>
        <source>a position needs both --lat and --lon</source>
        <translation>位置には --lat と --lon の両方が必要です</translation>
    </message>
    <message>
        <source>a position needs exactly one of --zone ID and --utc-offset +HH:MM</source>
        <translation>位置には --zone ID と --utc-offset +HH:MM のどちらか一方だけが必要です</translation>
    </message>
    <message>
        <source>--utc-offset: &quot;%1&quot; is not an offset; write it as +HH:MM or -HH:MM, such as -08:00</source>
        <translation>--utc-offset: 「%1」はオフセットではありません。-08:00 のように +HH:MM か -HH:MM で書いてください</translation>
    </message>
    <message>
        <source>--zone: %1 is not a known time-zone ID</source>
        <translation>--zone: %1 は既知のタイム ゾーン ID ではありません</translation>
    </message>
    <message>
        <source>--twilight: &quot;%1&quot; is not a kind; use none, civil, nautical or astronomical</source>
        <translation>--twilight: 「%1」は種類ではありません。none、civil、nautical、astronomical のいずれかを使ってください</translation>
    </message>
    <message>
        <source>Begin %1 Twilight: %2</source>
        <translation>%1薄明の開始: %2</translation>
    </message>
    <message>
        <source>Sunrise: %1</source>
        <translation>日の出: %1</translation>
    </message>
    <message>
        <source>Sunset: %1</source>
        <translation>日の入り: %1</translation>
    </message>
    <message>
        <source>End %1 Twilight: %2</source>
        <translation>%1薄明の終了: %2</translation>
    </message>
    <message>
        <source>Daylight Hours: %1</source>
        <translation>日照時間: %1</translation>
    </message>
    <message>
        <source>Moonrise: %1</source>
        <translation>月の出: %1</translation>
    </message>
    <message>
        <source>Moonset: %1</source>
        <translation>月の入り: %1</translation>
    </message>
    <message>
        <source>check takes no arguments; see --help</source>
        <translation>check には引数を指定しません。--help を参照してください</translation>
    </message>
    <message>
        <source>the city database cannot be opened</source>
        <translation>都市データベースを開けません</translation>
    </message>
    <message>
        <source>Profile:        </source>
        <translation>プロファイル:         </translation>
    </message>
    <message>
        <source>Database:       </source>
        <translation>データベース:         </translation>
    </message>
    <message>
        <source>State:          </source>
        <translation>状態:                 </translation>
    </message>
    <message>
        <source>Schema version: </source>
        <translation>スキーマのバージョン: </translation>
    </message>
    <message>
        <source>tzdata version: </source>
        <translation>tzdata のバージョン:  </translation>
    </message>
    <message>
        <source>Cities:         </source>
        <translation>都市数:               </translation>
    </message>
    <message>
        <source>Help file:      </source>
        <translation>ヘルプ ファイル:      </translation>
    </message>
    <message>
        <source>not found</source>
        <translation>見つかりません</translation>
    </message>
    <message>
        <source>Result:         </source>
        <translation>結果:                 </translation>
    </message>
    <message>
        <source>city takes one NAME (quote names with blanks); see --help</source>
        <translation>city には NAME を 1 つ指定します (空白を含む名前は引用符で囲みます)。--help を参照してください</translation>
    </message>
    <message>
        <source>Time zone:    </source>
        <translation>タイム ゾーン: </translation>
    </message>
    <message>
        <source>Latitude:     </source>
        <translation>緯度:          </translation>
    </message>
    <message>
        <source>Longitude:    </source>
        <translation>経度:          </translation>
    </message>
    <message>
        <source>Sunrise:      </source>
        <translation>日の出:        </translation>
    </message>
    <message>
        <source>Sunset:       </source>
        <translation>日の入り:      </translation>
    </message>
    <message>
        <source>Airport code: </source>
        <translation>空港コード:    </translation>
    </message>
    <message>
        <source>Phone code:   </source>
        <translation>電話番号:      </translation>
    </message>
    <message>
        <source>find takes one TEXT; see --help</source>
        <translation>find には TEXT を 1 つ指定します。--help を参照してください</translation>
    </message>
    <message>
        <source>codes takes phone or airport, and optionally TEXT; see --help</source>
        <translation>codes には phone か airport と、必要なら TEXT を指定します。--help を参照してください</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a code list; use codes phone or codes airport</source>
        <translation>「%1」はコード一覧ではありません。codes phone か codes airport を使ってください</translation>
    </message>
    <message>
        <source>the city database cannot be opened; move the device profile aside to reinstall it</source>
        <translation>都市データベースを開けません。デバイス プロファイルを別の場所に移すと再インストールされます</translation>
    </message>
    <message>
        <source>City</source>
        <translation>都市</translation>
    </message>
    <message>
        <source>Phone Code</source>
        <translation>電話番号</translation>
    </message>
    <message>
        <source>Airport Code</source>
        <translation>空港コード</translation>
    </message>
    <message>
        <source>%1 has %2 characters, more than any city name (at most %3, or %4 with its country): %5</source>
        <translation>%1 は %2 文字で、どの都市名よりも長すぎます (最大 %3 文字、国名を含めて %4 文字): %5</translation>
    </message>
    <message>
        <source>%1 needs a value; see --help</source>
        <translation>%1 には値が必要です。--help を参照してください</translation>
    </message>
    <message>
        <source>unknown option %1; see --help</source>
        <translation>不明なオプション %1 です。--help を参照してください</translation>
    </message>
    <message>
        <source>; set ZONARIA_DEVICE to another folder</source>
        <translation>。ZONARIA_DEVICE に別のフォルダーを設定してください</translation>
    </message>
    <message>
        <source>the city name</source>
        <translation>都市名</translation>
    </message>
    <message>
        <source>&quot;%1&quot; matches several cities: %2; give one of these names</source>
        <translation>「%1」は複数の都市に一致します: %2。このうちの 1 つの名前を指定してください</translation>
    </message>
    <message>
        <source>unknown city &quot;%1&quot;; the city database is empty</source>
        <translation>不明な都市「%1」です。都市データベースが空です</translation>
    </message>
    <message>
        <source>unknown city &quot;%1&quot;; closest names: %2 (zonaria-cli find TEXT lists more)</source>
        <translation>不明な都市「%1」です。近い名前: %2 (zonaria-cli find TEXT でさらに表示)</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is outside the supported years %3 to %4</source>
        <translation>%1: 「%2」は対応する %3 年から %4 年の範囲外です</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a valid date or time; write it as %3</source>
        <translation>%1: 「%2」は有効な日付または時刻ではありません。%3 の形で書いてください</translation>
    </message>
    <message>
        <source>YYYY-MM-DDTHH:MM:SSZ in UTC, such as 2026-03-08T10:00:00Z</source>
        <translation>UTC の YYYY-MM-DDTHH:MM:SSZ (例: 2026-03-08T10:00:00Z)</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not an instant; write it as %3</source>
        <translation>%1: 「%2」は時点ではありません。%3 の形で書いてください</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a date; write it as %3</source>
        <translation>%1: 「%2」は日付ではありません。%3 の形で書いてください</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a local date and time; write it as %3</source>
        <translation>%1: 「%2」は現地の日時ではありません。%3 の形で書いてください</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number from %3 to %4</source>
        <translation>%1: 「%2」は %3 から %4 までの数ではありません</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a whole number from %3 to %4</source>
        <translation>%1: 「%2」は %3 から %4 までの整数ではありません</translation>
    </message>
    <message>
        <source>--units: &quot;%1&quot; is not a unit system; use english, metric or nautical</source>
        <translation>--units: 「%1」は単位系ではありません。english、metric、nautical のいずれかを使ってください</translation>
    </message>
    <message>
        <source>The time zone of this device does not change</source>
        <translation>このデバイスのタイム ゾーンは変わりません</translation>
    </message>
    <message>
        <source>The time zone of this device is now %1</source>
        <translation>このデバイスのタイム ゾーンは %1 になりました</translation>
    </message>
    <message>
        <source>clock takes no arguments; see --help</source>
        <translation>clock には引数を指定しません。--help を参照してください</translation>
    </message>
    <message>
        <source>  (not in the city database)</source>
        <translation>  (都市データベースにありません)</translation>
    </message>
    <message>
        <source>set-city takes DISPLAY (0-4) and NAME; see --help</source>
        <translation>set-city には DISPLAY (0～4) と NAME を指定します。--help を参照してください</translation>
    </message>
    <message>
        <source>Display %1 now shows %2</source>
        <translation>表示枠 %1 に %2 を表示しました</translation>
    </message>
    <message>
        <source>select takes DISPLAY (0-4); see --help</source>
        <translation>select には DISPLAY (0～4) を指定します。--help を参照してください</translation>
    </message>
    <message>
        <source>Display %1 (%2) is already the selected display</source>
        <translation>表示枠 %1 (%2) はすでに選択されています</translation>
    </message>
    <message>
        <source>display %1 shows &quot;%2&quot;, which is not in the city database; give it a city with set-city first</source>
        <translation>表示枠 %1 の「%2」は都市データベースにありません。先に set-city で都市を設定してください</translation>
    </message>
    <message>
        <source>Display %1 (%2) is now the selected display</source>
        <translation>表示枠 %1 (%2) を選択しました</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a position; write it as @LAT,LON in degrees, such as @37.75,-122.42</source>
        <translation>「%1」は位置ではありません。@37.75,-122.42 のように度単位の @緯度,経度 で書いてください</translation>
    </message>
    <message>
        <source>latitude of </source>
        <translation>緯度: </translation>
    </message>
    <message>
        <source>longitude of </source>
        <translation>経度: </translation>
    </message>
    <message>
        <source>distance takes FROM and TO (city names or @LAT,LON); see --help</source>
        <translation>distance には FROM と TO (都市名か @緯度,経度) を指定します。--help を参照してください</translation>
    </message>
    <message>
        <source>give either --speed or --mode, not both</source>
        <translation>--speed か --mode のどちらか一方を指定してください</translation>
    </message>
    <message>
        <source>From:        %1</source>
        <translation>出発:     %1</translation>
    </message>
    <message>
        <source>To:          %1</source>
        <translation>到着:     %1</translation>
    </message>
    <message>
        <source>Distance:    %1</source>
        <translation>距離:     %1</translation>
    </message>
    <message>
        <source>Travel Time: %1</source>
        <translation>所要時間: %1</translation>
    </message>
    <message>
        <source>at:          %1 %2 (%3)</source>
        <translation>速度:     %1 %2 (%3)</translation>
    </message>
    <message>
        <source>the reply was refused: </source>
        <translation>応答を拒否しました: </translation>
    </message>
    <message>
        <source>no socket could be opened (error %1)</source>
        <translation>ソケットを開けませんでした (エラー %1)</translation>
    </message>
    <message>
        <source>no such host name</source>
        <translation>そのホスト名はありません</translation>
    </message>
    <message>
        <source>the name service did not answer</source>
        <translation>名前サービスが応答しませんでした</translation>
    </message>
    <message>
        <source>the host cannot be reached (error %1)</source>
        <translation>ホストに到達できません (エラー %1)</translation>
    </message>
    <message>
        <source>the device clock does not read as a time</source>
        <translation>デバイスの時計を時刻として読み取れません</translation>
    </message>
    <message>
        <source>the request could not be sent (error %1)</source>
        <translation>要求を送信できませんでした (エラー %1)</translation>
    </message>
    <message>
        <source>no reply within %1 ms (time-out, error %2)</source>
        <translation>%1 ms 以内に応答がありません (タイムアウト、エラー %2)</translation>
    </message>
    <message>
        <source>the request was refused: no time server listens on port %1</source>
        <translation>要求が拒否されました: ポート %1 で待ち受けているタイム サーバーがありません</translation>
    </message>
    <message>
        <source>the reply could not be received (error %1)</source>
        <translation>応答を受信できませんでした (エラー %1)</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>応答が空です</translation>
    </message>
    <message>
        <source>it is %1 bytes long, fewer than 48</source>
        <translation>長さが %1 バイトで、48 バイトに足りません</translation>
    </message>
    <message>
        <source>its mode is %1, not 4 (server)</source>
        <translation>モードが 4 (サーバー) ではなく %1 です</translation>
    </message>
    <message>
        <source>its version is %1, not 1 to 4</source>
        <translation>バージョンが 1～4 ではなく %1 です</translation>
    </message>
    <message>
        <source>the server&apos;s clock is not synchronised (leap indicator 3)</source>
        <translation>サーバーの時計が同期していません (うるう秒指示子 3)</translation>
    </message>
    <message>
        <source>stratum 0, a kiss-o&apos;-death (the server asks not to be queried)</source>
        <translation>階層 0 の kiss-o&apos;-death (サーバーが問い合わせないよう求めています)</translation>
    </message>
    <message>
        <source>its stratum %1 is above 15</source>
        <translation>階層 %1 が 15 を超えています</translation>
    </message>
    <message>
        <source>its transmit timestamp is zero</source>
        <translation>送信タイムスタンプが 0 です</translation>
    </message>
    <message>
        <source>it does not answer this request (wrong originate timestamp)</source>
        <translation>この要求への応答ではありません (発信タイムスタンプが違います)</translation>
    </message>
    <message>
        <source>its round-trip delay is negative (%1 s)</source>
        <translation>往復遅延が負です (%1 秒)</translation>
    </message>
    <message>
        <source>its round-trip delay of %1 s is longer than the time-out</source>
        <translation>往復遅延 %1 秒がタイムアウトより長くなっています</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>エラー %1</translation>
    </message>
    <message>
        <source>sync takes only options; see --help</source>
        <translation>sync にはオプションだけを指定します。--help を参照してください</translation>
    </message>
    <message>
        <source>--server needs a host name or address</source>
        <translation>--server にはホスト名かアドレスが必要です</translation>
    </message>
    <message>
        <source>cannot synchronise with %1 port %2: %3; the device clock was not changed</source>
        <translation>%1 ポート %2 と同期できません: %3。デバイスの時計は変更されていません</translation>
    </message>
    <message>
        <source>the server answered, but the device clock could not be set in the device profile %1</source>
        <translation>サーバーは応答しましたが、デバイス プロファイル %1 でデバイスの時計を設定できませんでした</translation>
    </message>
    <message>
        <source>Server %1 port %2: stratum %3</source>
        <translation>サーバー %1 ポート %2: 階層 %3</translation>
    </message>
    <message>
        <source>Offset %1 s, round-trip delay %2 s</source>
        <translation>ずれ %1 秒、往復遅延 %2 秒</translation>
    </message>
    <message>
        <source>Dry run: the device clock would be set to %1; it was not changed</source>
        <translation>試行: デバイスの時計は %1 に設定されるところでした。変更されていません</translation>
    </message>
    <message>
        <source>The device clock is set to %1</source>
        <translation>デバイスの時計を %1 に設定しました</translation>
    </message>
    <message>
        <source>time takes one NAME; see --help</source>
        <translation>time には NAME を 1 つ指定します。--help を参照してください</translation>
    </message>
    <message>
        <source>Time zone: %1</source>
        <translation>タイム ゾーン: %1</translation>
    </message>
    <message>
        <source>Daylight time: %1</source>
        <translation>夏時間: %1</translation>
    </message>
    <message>
        <source>Bias: %1 minutes (UTC = local time + bias)</source>
        <translation>バイアス: %1 分 (UTC = 現地時刻 + バイアス)</translation>
    </message>
    <message>
        <source>convert needs --from NAME and --local &apos;YYYY-MM-DD HH:MM&apos;; see --help</source>
        <translation>convert には --from NAME と --local &apos;YYYY-MM-DD HH:MM&apos; が必要です。--help を参照してください</translation>
    </message>
    <message>
        <source>When it is %1 in %2 (%3):</source>
        <translation>%2 が %1 (%3) のとき:</translation>
    </message>
    <message>
        <source>Civil</source>
        <translation>常用</translation>
    </message>
    <message>
        <source>Nautical</source>
        <translation>航海</translation>
    </message>
    <message>
        <source>Astronomical</source>
        <translation>天文</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>no</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>; the alarm was not set</source>
        <translation>。アラームは設定されていません</translation>
    </message>
    <message>
        <source>alarm %1 could not be deleted: %2</source>
        <translation>アラーム %1 を削除できませんでした: %2</translation>
    </message>
    <message>
        <source>Device:         </source>
        <translation>デバイス:             </translation>
    </message>
    <message>
        <source>Clock change: </source>
        <translation>時刻変更:      </translation>
    </message>
    <message>
        <source>none within a year</source>
        <translation>1 年以内にはありません</translation>
    </message>
    <message>
        <source>The profile is read-only; the setting could not be written: </source>
        <translation>プロファイルは読み取り専用のため、設定を書き込めませんでした: </translation>
    </message>
    <message>
        <source>the device&apos;s time zone could not be changed to %1 (%2); nothing was changed</source>
        <translation>デバイスのタイム ゾーンを %1 に変更できませんでした (%2)。何も変更されていません</translation>
    </message>
    <message>
        <source>; nothing was changed</source>
        <translation>。何も変更されていません</translation>
    </message>
    <message>
        <source>; the setting could not be written</source>
        <translation>。設定を書き込めませんでした</translation>
    </message>
    <message>
        <source>New Moon %1</source>
        <translation>新月 %1</translation>
    </message>
    <message>
        <source>First Quarter %1</source>
        <translation>上弦 %1</translation>
    </message>
    <message>
        <source>Full Moon on %1</source>
        <translation>満月 %1</translation>
    </message>
    <message>
        <source>Last Quarter %1</source>
        <translation>下弦 %1</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>使用可能</translation>
    </message>
    <message>
        <source>read-only</source>
        <translation>読み取り専用</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>破損</translation>
    </message>
    <message>
        <source>foreign</source>
        <translation>他のシステムのもの</translation>
    </message>
    <message>
        <source>newer</source>
        <translation>より新しい版</translation>
    </message>
    <message>
        <source>unusable</source>
        <translation>使用不可</translation>
    </message>
    <message>
        <source>private (the host&apos;s clock plus an offset, and a zone, kept in the profile)</source>
        <translation>プライベート (ホストの時計にずれを加えたものとタイム ゾーン、プロファイルに保存)</translation>
    </message>
    <message>
        <source>computer (org.freedesktop.timedate1), zone %1; automatic time %2%3</source>
        <translation>コンピューター (org.freedesktop.timedate1)、タイム ゾーン %1、時刻の自動設定 %2%3</translation>
    </message>
    <message>
        <source>on</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>, synchronized</source>
        <translation>、同期済み</translation>
    </message>
    <message>
        <source>computer, zone %1 from the host; %2, so the clock and zone cannot be changed</source>
        <translation>コンピューター、タイム ゾーン %1 (ホストから)。%2 のため、時計とタイム ゾーンは変更できません</translation>
    </message>
    <message>
        <source>device takes computer, private or nothing; see --help</source>
        <translation>device には computer か private を指定するか、何も指定しません。--help を参照してください</translation>
    </message>
    <message>
        <source>device takes computer or private, not &quot;%1&quot;</source>
        <translation>device には computer か private を指定します。「%1」は指定できません</translation>
    </message>
    <message>
        <source>the device stays %1: %2</source>
        <translation>デバイスは %1 のままです: %2</translation>
    </message>
    <message>
        <source>Device: </source>
        <translation>デバイス: </translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>ok</translation>
    </message>
    <message>
        <source>not ok</source>
        <translation>問題あり</translation>
    </message>
    <message>
        <source>; set ZONARIA_DEVICE to another folder, or move %1 aside to start with a new profile</source>
        <translation>。ZONARIA_DEVICE に別のフォルダーを設定するか、%1 を移動して新しいプロファイルで始めてください</translation>
    </message>
    <message>
        <source>The profile is read-only</source>
        <translation>プロファイルは読み取り専用です</translation>
    </message>
    <message>
        <source>The disk is full</source>
        <translation>ディスクがいっぱいです</translation>
    </message>
    <message>
        <source>the device profile %1 could not be written</source>
        <translation>デバイス プロファイル %1 に書き込めませんでした</translation>
    </message>
    <message>
        <source>; what was read may be incomplete. Move %1 aside to start with a new profile; zonaria-cli check tells more</source>
        <translation>。読み込んだ内容は不完全かもしれません。%1 を移動すると新しいプロファイルで始められます。詳しくは zonaria-cli check で確認できます</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;; run zonaria-cli --help for the list</source>
        <translation>不明なコマンド「%1」。一覧は zonaria-cli --help で確認できます</translation>
    </message>
    <message>
        <source>--hours takes START-END in hours, as 9-17 or 08:30-16:30, not &quot;%1&quot;</source>
        <translation>--hours には 9-17 や 08:30-16:30 のように開始-終了の時刻を指定します。「%1」は指定できません</translation>
    </message>
    <message>
        <source>Meeting planner for %1 in %2; * within working hours, = every city within them</source>
        <translation>%2 の %1 の会議プランナー。* は勤務時間内、= は全都市が勤務時間内</translation>
    </message>
    <message>
        <source> (day before)</source>
        <translation> (前日)</translation>
    </message>
    <message>
        <source> (day after)</source>
        <translation> (翌日)</translation>
    </message>
    <message>
        <source>%1 has a %2-hour day: its clocks change on this date</source>
        <translation>%1 はこの日に時計が変わるため、1 日が %2 時間です</translation>
    </message>
    <message>
        <source>No common working hours</source>
        <translation>共通の勤務時間はありません</translation>
    </message>
    <message>
        <source>Common working hours: %1 in %2</source>
        <translation>共通の勤務時間: %2 の %1</translation>
    </message>
    <message>
        <source>%1 answered with a clock %2 s away from the device&apos;s, more than a day; the device clock was not changed (--force sets it all the same, --dry-run shows the time)</source>
        <translation>%1 の応答の時計はデバイスの時計と %2 秒ずれており、1 日を超えています。デバイスの時計は変更していません (--force で強制的に合わせ、--dry-run で時刻を表示します)</translation>
    </message>
    <message>
        <source>the server answered, but the computer&apos;s clock could not be set: %1</source>
        <translation>サーバーは応答しましたが、コンピューターの時計を設定できませんでした: %1</translation>
    </message>
    <message>
        <source>the city database cannot be read: %1</source>
        <translation>都市データベースを読み込めません: %1</translation>
    </message>
</context>
<context>
    <name>DeviceProfile</name>
    <message>
        <source>an unreadable schema (%1)</source>
        <translation>読み取れないスキーマ (%1)</translation>
    </message>
    <message>
        <source>the device profile is damaged: %1 %2</source>
        <translation>デバイス プロファイルが破損しています: %1 は%2</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>読み取れません: %1</translation>
    </message>
    <message>
        <source>not a Zonaria device profile</source>
        <translation>Zonaria のデバイス プロファイルではありません</translation>
    </message>
    <message>
        <source>cannot be read with the write-ahead log beside it (%1) nor without it (%2); both are left as they are</source>
        <translation>隣の先行書き込みログがあっても (%1)、なくても (%2) 読み取れません。どちらもそのままにしてあります</translation>
    </message>
    <message>
        <source>the write-ahead log %1 does not belong to the device profile (%2) and cannot be set aside; move it away to use the profile</source>
        <translation>先行書き込みログ %1 はデバイス プロファイルのものではなく (%2)、脇に移すこともできません。プロファイルを使うには、このログを別の場所に移してください</translation>
    </message>
    <message>
        <source>the write-ahead log beside %1 did not belong to it (%2); it was set aside as %3 and device.db is left as it was</source>
        <translation>%1 の隣の先行書き込みログはそのファイルのものではありませんでした (%2)。%3 として脇に移し、device.db は元のままです</translation>
    </message>
    <message>
        <source>cannot be read as a database (%1)</source>
        <translation>データベースとして読み取れません (%1)</translation>
    </message>
    <message>
        <source>the device profile&apos;s %1 cannot be read: %2</source>
        <translation>デバイス プロファイルの %1 を読み取れません: %2</translation>
    </message>
    <message>
        <source>could not start the installation of the device profile %1: %2</source>
        <translation>デバイス プロファイル %1 のインストールを開始できませんでした: %2</translation>
    </message>
    <message>
        <source>could not create the device profile %1: %2</source>
        <translation>デバイス プロファイル %1 を作成できませんでした: %2</translation>
    </message>
    <message>
        <source>installation step &quot;%1&quot; failed: %2</source>
        <translation>インストールの手順「%1」が失敗しました: %2</translation>
    </message>
    <message>
        <source>could not finish the device profile %1: %2</source>
        <translation>デバイス プロファイル %1 を完成できませんでした: %2</translation>
    </message>
    <message>
        <source>%1 is not UTF-8 text (%2), so it cannot name the device profile&apos;s folder</source>
        <translation>%1 は UTF-8 のテキストではないため (%2)、デバイス プロファイルのフォルダーを指定できません</translation>
    </message>
    <message>
        <source>the device profile %1 has no device.db but is not empty; it is not made anew there, so that nothing in it is lost</source>
        <translation>デバイス プロファイル %1 には device.db がありませんが、空ではありません。中身が失われないよう、そこには新しく作成しません</translation>
    </message>
    <message>
        <source>the device profile folder %1 cannot be made</source>
        <translation>デバイス プロファイルのフォルダー %1 を作成できません</translation>
    </message>
    <message>
        <source>the device profile folder %1 is not writable, so no profile can be made in it</source>
        <translation>デバイス プロファイルのフォルダー %1 に書き込めないため、プロファイルを作成できません</translation>
    </message>
    <message>
        <source>the device profile&apos;s %1 is not a file</source>
        <translation>デバイス プロファイルの %1 はファイルではありません</translation>
    </message>
    <message>
        <source>the device profile&apos;s %1 cannot be read (permission denied)</source>
        <translation>デバイス プロファイルの %1 を読み取れません (アクセスが拒否されました)</translation>
    </message>
    <message>
        <source>its folder does not allow writing</source>
        <translation>フォルダーに書き込めません</translation>
    </message>
    <message>
        <source>device.db does not allow writing</source>
        <translation>device.db に書き込めません</translation>
    </message>
    <message>
        <source>the write-ahead log %1-wal was removed while a program had the device profile open; the last changes (%2) live on only in that program until it closes: quit Zonaria&apos;s programs, zonaria-alarmd and zonaria-today too, then start again</source>
        <translation>プログラムがデバイス プロファイルを開いている間に先行書き込みログ %1-wal が削除されました。最後の変更 (%2) はそのプログラムが終了するまでその中にしか残りません。zonaria-alarmd と zonaria-today も含めて Zonaria のプログラムを終了し、起動し直してください</translation>
    </message>
    <message>
        <source>the last changes to the device profile (%1) were lost: its write-ahead log %2-wal was removed while a program had the profile open</source>
        <translation>デバイス プロファイルの最後の変更 (%1) が失われました。プログラムがプロファイルを開いている間に先行書き込みログ %2-wal が削除されました</translation>
    </message>
    <message>
        <source>SQLite can only read device.db</source>
        <translation>SQLite は device.db を読み取ることしかできません</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>ディスクがいっぱいです</translation>
    </message>
    <message>
        <source>the device profile %1 is empty and not writable (%2), so it cannot be installed</source>
        <translation>デバイス プロファイル %1 は空で書き込めないため (%2)、インストールできません</translation>
    </message>
    <message>
        <source>%1 is another program&apos;s database, not a Zonaria device profile; it is left as it is</source>
        <translation>%1 は別のプログラムのデータベースで、Zonaria のデバイス プロファイルではありません。そのままにしてあります</translation>
    </message>
    <message>
        <source>the device profile %1 was made by a later version of Zonaria (schema version %2; this one knows up to %3); it is left as it is</source>
        <translation>デバイス プロファイル %1 は新しいバージョンの Zonaria で作成されています (スキーマ バージョン %2、このバージョンは %3 まで対応)。そのままにしてあります</translation>
    </message>
    <message>
        <source>fails SQLite&apos;s check (%1)</source>
        <translation>SQLite のチェックに合格しません (%1)</translation>
    </message>
    <message>
        <source>lacks %1</source>
        <translation>%1 がありません</translation>
    </message>
    <message>
        <source>the device profile %1 could not be brought up to schema version %2: %3</source>
        <translation>デバイス プロファイル %1 をスキーマ バージョン %2 に更新できませんでした: %3</translation>
    </message>
    <message>
        <source>the device profile %1 is not writable (%2)</source>
        <translation>デバイス プロファイル %1 に書き込めません (%2)</translation>
    </message>
    <message>
        <source>has a damaged page (%1)</source>
        <translation>破損したページがあります (%1)</translation>
    </message>
    <message>
        <source>there is no device.db file</source>
        <translation>device.db ファイルがありません</translation>
    </message>
    <message>
        <source>it cannot be opened: %1</source>
        <translation>開けません: %1</translation>
    </message>
    <message>
        <source>it is not a Zonaria device profile</source>
        <translation>Zonaria のデバイス プロファイルではありません</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>読み取れません: %1</translation>
    </message>
    <message>
        <source>its schema version %1 is from a later version of Zonaria</source>
        <translation>スキーマ バージョン %1 は新しいバージョンの Zonaria のものです</translation>
    </message>
    <message>
        <source>it lacks %1</source>
        <translation>%1 がありません</translation>
    </message>
</context>
<context>
    <name>EZError</name>
    <message>
        <source>Unexpected Error</source>
        <translation>予期しないエラー</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Zonaria Setup</source>
        <translation>Zonaria セットアップ</translation>
    </message>
    <message>
        <source>Cannot install Zonaria.  %1</source>
        <translation>Zonaria をインストールできません。%1</translation>
    </message>
    <message>
        <source>No application manager for handhelds is registered on this computer (the registry key HKEY_LOCAL_MACHINE\%1 is missing).</source>
        <translation>このコンピューターにはハンドヘルド用のアプリケーション マネージャーが登録されていません (レジストリ キー HKEY_LOCAL_MACHINE\%1 がありません)。</translation>
    </message>
    <message>
        <source>The registry key HKEY_LOCAL_MACHINE\%1 does not name the application manager&apos;s program.</source>
        <translation>レジストリ キー HKEY_LOCAL_MACHINE\%1 にアプリケーション マネージャーのプログラムが指定されていません。</translation>
    </message>
    <message>
        <source>%1 could not be copied to %2.  Make sure that the file is there and that you have enough disk space.</source>
        <translation>%1 を %2 にコピーできませんでした。ファイルがあること、ディスクの空き容量が十分にあることを確認してください。</translation>
    </message>
    <message>
        <source>The application manager %1 could not be started.</source>
        <translation>アプリケーション マネージャー %1 を起動できませんでした。</translation>
    </message>
</context>
<context>
    <name>Usage</name>
    <message>
        <source>zonaria-cli [clock] [--json]
  The five displayed cities with their local time and date; * marks the selected display.
</source>
        <translation>zonaria-cli [clock] [--json]
  表示中の 5 つの都市と、その現地の日付と時刻。* は選択中の表示枠です。
</translation>
    </message>
    <message>
        <source>zonaria-cli find TEXT [--json]
  The entries of the city list that begin with TEXT, without regard to case and accents.
</source>
        <translation>zonaria-cli find TEXT [--json]
  都市リストのうち TEXT で始まる項目 (大文字と小文字、アクセントは区別しません)。
</translation>
    </message>
    <message>
        <source>zonaria-cli codes phone|airport [TEXT] [--json]
  The rows of the Phone Codes or Airport Codes list, optionally only the cities that begin
  with TEXT.
</source>
        <translation>zonaria-cli codes phone|airport [TEXT] [--json]
  電話番号または空港コードの一覧。TEXT を指定すると、それで始まる都市だけを表示します。
</translation>
    </message>
    <message>
        <source>zonaria-cli time NAME [--at INSTANT] [--json]
  The city&apos;s local time at an instant (default now), whether daylight time is in force and
  the bias (UTC = local time + bias, in minutes). INSTANT is UTC: 2026-03-08T10:00:00Z,
  from 1970 to 2037.
</source>
        <translation>zonaria-cli time NAME [--at INSTANT] [--json]
  ある瞬間 (既定は現在) の都市の現地時刻、夏時間かどうか、およびバイアス
  (UTC = 現地時刻 + バイアス、分単位)。INSTANT は UTC: 2026-03-08T10:00:00Z、
  1970 年から 2037 年まで。
</translation>
    </message>
    <message>
        <source>zonaria-cli sun NAME [--date YYYY-MM-DD] [--twilight none|civil|nautical|astronomical] [--json]
zonaria-cli sun --lat DEG --lon DEG (--zone ID | --utc-offset +HH:MM) [...]
  Sunrise, sunset and daylight hours of a local date (default today), with twilight on request.
</source>
        <translation>zonaria-cli sun NAME [--date YYYY-MM-DD] [--twilight none|civil|nautical|astronomical] [--json]
zonaria-cli sun --lat DEG --lon DEG (--zone ID | --utc-offset +HH:MM) [...]
  現地の日付 (既定は今日) の日の出、日の入り、日照時間。指定すれば薄明も表示します。
</translation>
    </message>
    <message>
        <source>zonaria-cli moon NAME [--date YYYY-MM-DD] [--json]
zonaria-cli moon --lat DEG --lon DEG (--zone ID | --utc-offset +HH:MM) [...]
  Moonrise and moonset of a local date, and the last and next principal phases.
</source>
        <translation>zonaria-cli moon NAME [--date YYYY-MM-DD] [--json]
zonaria-cli moon --lat DEG --lon DEG (--zone ID | --utc-offset +HH:MM) [...]
  現地の日付の月の出と月の入り、および直前と次の主な月相。
</translation>
    </message>
    <message>
        <source>zonaria-cli distance FROM TO [--units english|metric|nautical] [--speed N | --mode 0..11] [--json]
zonaria-cli distance --modes [--units ...]
  The Distance Calculator: FROM and TO are city names or positions @LAT,LON in degrees.
  The speed is in the unit system&apos;s speed unit (default: 500 km/h in those units); --mode
  takes a travel mode&apos;s speed (--modes lists them). Units default to the UnitSystem setting.
</source>
        <translation>zonaria-cli distance FROM TO [--units english|metric|nautical] [--speed N | --mode 0..11] [--json]
zonaria-cli distance --modes [--units ...]
  距離計算: FROM と TO は都市名、または度単位の位置 @緯度,経度。速度は単位系の速度単位
  (既定はその単位での 500 km/h)。--mode は交通手段の速度を使います (--modes で一覧)。
  単位の既定は UnitSystem の設定です。
</translation>
    </message>
    <message>
        <source>zonaria-cli set-city DISPLAY NAME [--json]
  Shows the city NAME in display DISPLAY (0 to 4). On the selected display the city becomes
  the device&apos;s current city, and the device takes its time zone.
</source>
        <translation>zonaria-cli set-city DISPLAY NAME [--json]
  表示枠 DISPLAY (0～4) に都市 NAME を表示します。選択中の表示枠では、その都市が
  デバイスの現在の都市になり、デバイスはそのタイム ゾーンになります。
</translation>
    </message>
    <message>
        <source>zonaria-cli select DISPLAY [--json]
  Makes display DISPLAY (0 to 4) the selected display: its city becomes the device&apos;s current
  city, and the device takes its time zone when that differs. There is no question first.
</source>
        <translation>zonaria-cli select DISPLAY [--json]
  表示枠 DISPLAY (0～4) を選択します。その都市がデバイスの現在の都市になり、
  タイム ゾーンが異なればデバイスはそれに従います。確認は求めません。
</translation>
    </message>
    <message>
        <source>zonaria-cli alarm add CITY (--at &apos;YYYY-MM-DD HH:MM&apos; | --in DURATION) [--message TEXT] [--json]
zonaria-cli alarm list [--json]
zonaria-cli alarm delete HANDLE [--json]
  Alarms in a city&apos;s local time, the same ones as the window&apos;s Alarms: --at is the city&apos;s
  local time, --in a time from now (90s, 10m, 2h, 1h30m). Without --message the alarm says
  &quot;It is 7:00 AM in Tokyo&quot;. A time in the past is refused. list shows each alarm&apos;s handle,
  its time in the city and on this device, and its message; delete takes a handle. The alarm
  agent zonaria-alarmd rings them, also when Zonaria is closed, and is started when needed.
</source>
        <translation>zonaria-cli alarm add CITY (--at &apos;YYYY-MM-DD HH:MM&apos; | --in DURATION) [--message TEXT] [--json]
zonaria-cli alarm list [--json]
zonaria-cli alarm delete HANDLE [--json]
  都市の現地時刻によるアラーム (ウィンドウの [アラーム] と同じもの)。--at は都市の現地時刻、
  --in は今からの時間 (90s、10m、2h、1h30m)。--message がなければ「Tokyo は 7:00 です」と
  表示します。過去の時刻は拒否します。list は各アラームのハンドル、都市とこのデバイスでの
  時刻、メッセージを表示し、delete はハンドルを取ります。アラームは Zonaria を閉じていても
  エージェント zonaria-alarmd が鳴らし、必要に応じて起動されます。
</translation>
    </message>
    <message>
        <source>zonaria-cli: the Zonaria world clock and its calculators from a terminal.
It uses the device profile of the application ($ZONARIA_DEVICE, else ~/.local/share/zonaria/device).
--json gives machine-readable output; --help after a command describes it; --version
prints the version.
Errors print one line on stderr and exit with code 2.
</source>
        <translation>zonaria-cli: 世界時計 Zonaria とその計算機能を端末から使います。
アプリケーションと同じデバイス プロファイルを使います ($ZONARIA_DEVICE、なければ ~/.local/share/zonaria/device)。
--json は機械可読の出力、コマンドの後の --help はその説明、--version は
バージョンを表示します。
エラーは stderr に 1 行表示し、終了コード 2 で終わります。
</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>コマンド:</translation>
    </message>
    <message>
        <source>zonaria-cli city NAME [--json]
  Name and country, time zone, latitude and longitude, today&apos;s sunrise and sunset, airport
  and phone codes. Names are matched without regard to case, and to accents when no name
  is spelt so (Sao Paulo finds São Paulo); a name&apos;s first words are enough when they begin
  one city&apos;s name only (Chicago finds Chicago, IL). Quote names with blanks. Also when the
  city&apos;s clocks next change (&quot;Clocks go back 1 hour on Sun 25 Oct 2026 at 02:00&quot;).
</source>
        <translation>zonaria-cli city NAME [--json]
  都市名と国、タイム ゾーン、緯度と経度、今日の日の出と日の入り、空港コードと電話番号。
  名前の大文字と小文字は区別せず、そう綴る名前がなければアクセントも区別しません
  (Sao Paulo で São Paulo が見つかります)。名前の最初の語で始まる都市名がひとつだけなら、
  その語だけで足ります (Chicago で Chicago, IL が見つかります)。空白を含む名前は引用符で
  囲みます。都市の次の時刻変更も表示します (「日 25 10月 2026 02:00 に時計が 1 時間戻ります」)。
</translation>
    </message>
    <message>
        <source>zonaria-cli convert --from NAME --local &apos;YYYY-MM-DD HH:MM&apos; [NAME ...] [--json]
  The Time Calculator: the local time in the reference city --from, and the same instant
  in each named city (default: the five displayed cities). A local time the clocks skip is
  the time after the gap, one they repeat its first occurrence; a note says so.
</source>
        <translation>zonaria-cli convert --from NAME --local &apos;YYYY-MM-DD HH:MM&apos; [NAME ...] [--json]
  時刻計算: 基準都市 --from の現地時刻と、指定した各都市での同じ瞬間の時刻
  (既定は表示中の 5 都市)。時計が飛ばす現地時刻はその直後の時刻として、繰り返す現地時刻は
  最初のほうとして扱い、その旨を注記します。
</translation>
    </message>
    <message>
        <source>zonaria-cli check [--json]
  Checks the device profile as SQLite&apos;s integrity check does (which the sqlite3 tool cannot:
  the city database needs Zonaria&apos;s collation), and its schema; shows the profile&apos;s path,
  schema version, tzdata version, city count and the help file&apos;s place, then ok or what
  is wrong (exit code 2), and which device the clock and zone are (see device).
</source>
        <translation>zonaria-cli check [--json]
  SQLite の整合性チェックと同じ方法でデバイス プロファイルとそのスキーマを検査します
  (都市データベースには Zonaria の照合順序が必要なため sqlite3 ツールでは検査できません)。
  プロファイルのパス、スキーマと tzdata のバージョン、都市数、ヘルプ ファイルの場所を表示し、
  最後に ok か問題点を示します (終了コード 2)。時計とタイム ゾーンがどのデバイスのものかも
  表示します (device を参照)。
</translation>
    </message>
    <message>
        <source>zonaria-cli device [computer|private] [--json]
  Shows, or chooses, the device whose clock and time zone Zonaria shows and sets: the
  computer&apos;s own, through its time service (org.freedesktop.timedate1), or a private one
  kept in the profile (the host&apos;s clock plus an offset, and a zone). A new profile takes the
  computer when its time service answers; it changes only by this command.
</source>
        <translation>zonaria-cli device [computer|private] [--json]
  Zonaria が表示し設定する時計とタイム ゾーンのデバイスを表示、または選択します。
  コンピューター自身のもの (時刻サービス org.freedesktop.timedate1 経由) か、プロファイルに
  保存するプライベートなもの (ホストの時計にずれを加えたものとタイム ゾーン) です。新しい
  プロファイルは時刻サービスが応答すればコンピューターを使い、このコマンドでのみ変わります。
</translation>
    </message>
    <message>
        <source>zonaria-cli sync [--server HOST] [--port N] [--timeout MS] [--dry-run] [--force] [--json]
  Asks an Internet time server (SNTP, default pool.ntp.org port 123, 20000 ms time-out) for
  the time once: prints the clock offset and the round-trip delay in seconds and the server&apos;s
  stratum, and sets the device clock unless --dry-run. HOST is a name or an IPv4 or IPv6
  address. A datagram that fails a check is refused and the wait goes on for a valid reply
  until the time-out. An offset of more than a day is only applied with --force.
</source>
        <translation>zonaria-cli sync [--server HOST] [--port N] [--timeout MS] [--dry-run] [--force] [--json]
  インターネット タイム サーバー (SNTP、既定は pool.ntp.org のポート 123、タイムアウト
  20000 ms) に一度だけ時刻を問い合わせ、時計のずれと往復遅延 (秒) とサーバーの階層を表示し、
  --dry-run でなければデバイスの時計を合わせます。HOST は名前か IPv4/IPv6 アドレスです。
  検査に通らないデータグラムは拒否し、タイムアウトまで有効な応答を待ち続けます。
  1 日を超えるずれは --force を付けたときだけ適用します。
</translation>
    </message>
    <message>
        <source>zonaria-cli meet [--date YYYY-MM-DD] [--hours 9-17] [CITY ...] [--json]
  The meeting planner: each hour of the first city&apos;s local date (default today there) in
  every city, marking the hours within each city&apos;s working hours (*) and those within
  every city&apos;s (=), then the common working hours. Cities default to the five displayed,
  the current city first; working hours to the Preferences&apos; (09:00-17:00 unless set), or
  --hours for all. A clock-change date shows as a 23- or 25-hour day.
</source>
        <translation>zonaria-cli meet [--date YYYY-MM-DD] [--hours 9-17] [CITY ...] [--json]
  会議プランナー: 最初の都市の現地の日付 (既定はその都市の今日) の各時間を、すべての都市に
  ついて表示します。各都市の勤務時間内の時間に (*)、全都市の勤務時間内の時間に (=) を付け、
  最後に共通の勤務時間を示します。都市の既定は表示中の 5 都市 (現在の都市が先頭)、勤務時間の
  既定は環境設定の値 (未設定なら 09:00-17:00) で、--hours で全都市に指定できます。
  時刻変更のある日は 23 時間または 25 時間の日として表示します。
</translation>
    </message>
</context>
<context>
    <name>WindowUsage</name>
    <message>
        <source>Usage: zonaria [OPTION]...
Shows the local time of five cities above a world map of day and night.
A second start brings the running window to the front.

  -h, --help     show this help and exit
      --version  show the version and exit

Qt&apos;s own options (-platform NAME, -style NAME, -qwindowgeometry WxH+X+Y, ...) are accepted.
The device profile is $ZONARIA_DEVICE, else $XDG_DATA_HOME/zonaria/device.
zonaria-cli shows the world clock and runs the calculators in a terminal.
</source>
        <translation>使い方: zonaria [オプション]...
昼と夜の世界地図の上に 5 つの都市の現地時刻を表示します。
2 回目に起動すると、実行中のウィンドウを前面に出します。

  -h, --help     このヘルプを表示して終了します
      --version  バージョンを表示して終了します

Qt 独自のオプション (-platform NAME、-style NAME、-qwindowgeometry WxH+X+Y など) も使えます。
デバイス プロファイルは $ZONARIA_DEVICE、なければ $XDG_DATA_HOME/zonaria/device です。
zonaria-cli はターミナルで世界時計を表示し、計算機能を実行します。
</translation>
    </message>
    <message>
        <source>zonaria: unknown option &apos;%1&apos;
Try &apos;zonaria --help&apos; for more information.
</source>
        <translation>zonaria: 不明なオプション「%1」
詳しくは「zonaria --help」を実行してください。
</translation>
    </message>
</context>
<context>
    <name>Zonaria</name>
    <message>
        <source>Save changes to %s?</source>
        <comment>102</comment>
        <translation>%s への変更を保存しますか?</translation>
    </message>
    <message>
        <source>%s (%s)
%s
%s %s
Sunrise: %s
Sunset: %s
Airport: %s
Phone Code: %s - %s</source>
        <comment>108</comment>
        <translation>%s (%s)
%s
%s %s
日の出: %s
日の入り: %s
空港: %s
電話番号: %s - %s</translation>
    </message>
    <message>
        <source>Change the current city to
&quot;%s&quot;?

(Time Zone will not change)</source>
        <comment>109</comment>
        <translation>現在の都市を
「%s」
に変更しますか?

（タイム ゾーンは変わりません）</translation>
    </message>
    <message>
        <source>You selected a date and time that are in the past.</source>
        <comment>115</comment>
        <translation>過去の日時が選択されています。</translation>
    </message>
    <message>
        <source>Unable to create alarm.  Alarm may have expired.</source>
        <comment>117</comment>
        <translation>アラームを作成できません。時刻が過ぎている可能性があります。</translation>
    </message>
    <message>
        <source>Cannot open city database.  If this problem persists, please re-install Zonaria.  Zonaria will now exit.</source>
        <comment>120</comment>
        <translation>都市データベースを開けません。問題が続く場合は Zonaria を再インストールしてください。Zonaria を終了します。</translation>
    </message>
    <message>
        <source>Delete selected alarm?</source>
        <comment>121</comment>
        <translation>選択したアラームを削除しますか?</translation>
    </message>
    <message>
        <source>Change the current city to
&quot;%s&quot;?

This will change the time zone for this device to
&quot;%s&quot;</source>
        <comment>122</comment>
        <translation>現在の都市を
「%s」
に変更しますか?

このデバイスのタイム ゾーンが
「%s」
に変わります</translation>
    </message>
    <message>
        <source>Create new alarm</source>
        <comment>124</comment>
        <translation>新しいアラームを作成</translation>
    </message>
    <message>
        <source>View or edit alarm properties</source>
        <comment>125</comment>
        <translation>アラームのプロパティを表示・編集</translation>
    </message>
    <message>
        <source>Delete the selected alarm</source>
        <comment>126</comment>
        <translation>選択したアラームを削除</translation>
    </message>
    <message>
        <source>Zonaria</source>
        <comment>128</comment>
        <translation>Zonaria</translation>
    </message>
    <message>
        <source>Time settings were synchronized to server successfully.</source>
        <comment>133</comment>
        <translation>時刻をサーバーと同期しました。</translation>
    </message>
    <message>
        <source>Unable to synchronize time to server.  Make sure this device is connected to the internet, or try another SNTP server.</source>
        <comment>134</comment>
        <translation>サーバーと時刻を同期できません。デバイスがインターネットに接続されているか確認するか、別の SNTP サーバーを試してください。</translation>
    </message>
    <message>
        <source>Delete city &quot;%s&quot;?</source>
        <comment>149</comment>
        <translation>都市「%s」を削除しますか?</translation>
    </message>
    <message>
        <source>You cannot delete the last city.  You must have at least one city defined in the list.</source>
        <comment>150</comment>
        <translation>最後の都市は削除できません。リストには少なくとも 1 つの都市が必要です。</translation>
    </message>
    <message>
        <source>Copy</source>
        <comment>159</comment>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Copy of %s</source>
        <comment>160</comment>
        <translation>%s のコピー</translation>
    </message>
    <message>
        <source>Copy %d of %s</source>
        <comment>161</comment>
        <translation>%2$s のコピー %1$d</translation>
    </message>
    <message>
        <source>Cannot copy city &quot;%s&quot;.  Too many copies.</source>
        <comment>162</comment>
        <translation>都市「%s」をコピーできません。コピーが多すぎます。</translation>
    </message>
    <message>
        <source>City name must be unique, and connot use the characters &quot;()%#*&quot;.</source>
        <comment>163</comment>
        <translation>都市名は他と重複せず、文字「()%#*」を含まない必要があります。</translation>
    </message>
    <message>
        <source>Create new city &quot;%s&quot;?</source>
        <comment>164</comment>
        <translation>新しい都市「%s」を作成しますか?</translation>
    </message>
    <message>
        <source>Cannot delete a city that is currently displayed on the main screen.</source>
        <comment>165</comment>
        <translation>メイン画面に表示中の都市は削除できません。</translation>
    </message>
    <message>
        <source>City in %s</source>
        <comment>168</comment>
        <translation>%s の都市</translation>
    </message>
    <message>
        <source>Save changes to the time and date settings?</source>
        <comment>171</comment>
        <translation>日付と時刻の設定の変更を保存しますか?</translation>
    </message>
    <message>
        <source>Begin Civil Twilight:
Sunrise:
Sunset:
End Civil Twilight:

Daylight Hours:</source>
        <comment>172</comment>
        <translation>常用薄明の開始:
日の出:
日の入り:
常用薄明の終了:

日照時間:</translation>
    </message>
    <message>
        <source>Begin Nautical Twilight:
Sunrise:
Sunset:
End Nautical Twilight:

Daylight Hours:</source>
        <comment>173</comment>
        <translation>航海薄明の開始:
日の出:
日の入り:
航海薄明の終了:

日照時間:</translation>
    </message>
    <message>
        <source>Begin Astronomical Twilight:
Sunrise:
Sunset:
End Astronomical Twilight:

Daylight Hours:</source>
        <comment>174</comment>
        <translation>天文薄明の開始:
日の出:
日の入り:
天文薄明の終了:

日照時間:</translation>
    </message>
    <message>
        <source>Sunrise:
Sunset:

Daylight Hours:</source>
        <comment>175</comment>
        <translation>日の出:
日の入り:

日照時間:</translation>
    </message>
    <message>
        <source>New Moon %s</source>
        <comment>177</comment>
        <translation>新月 %s</translation>
    </message>
    <message>
        <source>First Quarter %s</source>
        <comment>178</comment>
        <translation>上弦 %s</translation>
    </message>
    <message>
        <source>Full Moon on %s</source>
        <comment>179</comment>
        <translation>満月 %s</translation>
    </message>
    <message>
        <source>Last Quarter %s</source>
        <comment>180</comment>
        <translation>下弦 %s</translation>
    </message>
    <message>
        <source>Zoom</source>
        <comment>182</comment>
        <translation>拡大</translation>
    </message>
    <message>
        <source>City</source>
        <comment>2000</comment>
        <translation>都市</translation>
    </message>
    <message>
        <source>Phone Code</source>
        <comment>2001</comment>
        <translation>電話番号</translation>
    </message>
    <message>
        <source>Country</source>
        <comment>2002</comment>
        <translation>国</translation>
    </message>
    <message>
        <source>Airport Code</source>
        <comment>2003</comment>
        <translation>空港コード</translation>
    </message>
    <message>
        <source>2~Walk</source>
        <comment>5000</comment>
        <translation>2~徒歩</translation>
    </message>
    <message>
        <source>8~Sailboat</source>
        <comment>5001</comment>
        <translation>8~ヨット</translation>
    </message>
    <message>
        <source>10~Bicycle</source>
        <comment>5002</comment>
        <translation>10~自転車</translation>
    </message>
    <message>
        <source>22~Cruise Ship</source>
        <comment>5003</comment>
        <translation>22~客船</translation>
    </message>
    <message>
        <source>48~Automobile</source>
        <comment>5004</comment>
        <translation>48~自動車</translation>
    </message>
    <message>
        <source>60~Train</source>
        <comment>5005</comment>
        <translation>60~列車</translation>
    </message>
    <message>
        <source>136~High Speed Train</source>
        <comment>5006</comment>
        <translation>136~高速鉄道</translation>
    </message>
    <message>
        <source>125~Private Plane</source>
        <comment>5007</comment>
        <translation>125~自家用機</translation>
    </message>
    <message>
        <source>200~Commuter Turbo-Prop</source>
        <comment>5008</comment>
        <translation>200~ターボプロップ機</translation>
    </message>
    <message>
        <source>450~Commercial Jet</source>
        <comment>5009</comment>
        <translation>450~旅客機</translation>
    </message>
    <message>
        <source>520~Commercial Jet (fastest)</source>
        <comment>5010</comment>
        <translation>520~旅客機（最速）</translation>
    </message>
    <message>
        <source>1160~Concorde Supersonic</source>
        <comment>5011</comment>
        <translation>1160~超音速コンコルド</translation>
    </message>
    <message>
        <source>Settings</source>
        <comment>32784</comment>
        <translation>設定</translation>
    </message>
    <message>
        <source>Tools</source>
        <comment>32799</comment>
        <translation>ツール</translation>
    </message>
    <message>
        <source>Alarm</source>
        <comment>32790</comment>
        <translation>アラーム</translation>
    </message>
    <message>
        <source>Time Calculator</source>
        <comment>32801</comment>
        <translation>時刻計算</translation>
    </message>
    <message>
        <source>Distance Calculator</source>
        <comment>32800</comment>
        <translation>距離計算</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <comment>32791</comment>
        <translation>日の出</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <comment>32792</comment>
        <translation>月の出</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>40001</comment>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Zonaria Help</source>
        <comment>40002</comment>
        <translation>Zonaria ヘルプ</translation>
    </message>
    <message>
        <source>The help file Zonaria.htm was not found beside the program.  Reinstalling Zonaria restores it.</source>
        <comment>40003</comment>
        <translation>ヘルプ ファイル Zonaria.htm がプログラムと同じ場所に見つかりません。Zonaria を再インストールすると復元されます。</translation>
    </message>
    <message>
        <source>No web browser could be started to show the help.  Install xdg-utils and a web browser to read it.</source>
        <comment>40004</comment>
        <translation>ヘルプを表示する Web ブラウザーを起動できませんでした。閲覧するには xdg-utils と Web ブラウザーをインストールしてください。</translation>
    </message>
    <message>
        <source>The device profile at %s cannot be used: %s</source>
        <comment>40005</comment>
        <translation>%s のデバイス プロファイルは使用できません: %s</translation>
    </message>
    <message>
        <source>Please enter a speed between 0 and 1,000,000.</source>
        <comment>40101</comment>
        <translation>0 から 1,000,000 までの速度を入力してください。</translation>
    </message>
    <message>
        <source>Arrives %s local time</source>
        <comment>40102</comment>
        <translation>到着 現地時刻 %s</translation>
    </message>
    <message>
        <source>Please enter an integer between %d and %d.</source>
        <comment>40201</comment>
        <translation>%d から %d までの整数を入力してください。</translation>
    </message>
    <message>
        <source>The city &quot;%s&quot; could not be saved: the city database refused the change.  Nothing was changed; check the free space of the device and try again.</source>
        <comment>40202</comment>
        <translation>都市「%s」を保存できませんでした: 都市データベースが変更を拒否しました。何も変更されていません。デバイスの空き容量を確認して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>The city &quot;%s&quot; could not be deleted: the city database refused the change.</source>
        <comment>40203</comment>
        <translation>都市「%s」を削除できませんでした: 都市データベースが変更を拒否しました。</translation>
    </message>
    <message>
        <source>Zonaria</source>
        <comment>110</comment>
        <translation>Zonaria</translation>
    </message>
    <message>
        <source>It is %s in %s</source>
        <comment>114</comment>
        <translation>%2$s は %1$s です</translation>
    </message>
    <message>
        <source>The time zone could not be changed to &quot;%s&quot;: %s.

Nothing was changed; the current city stays &quot;%s&quot;.</source>
        <comment>40301</comment>
        <translation>タイム ゾーンを「%s」に変更できませんでした: %s。

何も変更されていません。現在の都市は「%s」のままです。</translation>
    </message>
    <message>
        <source>This computer sets its clock automatically.  Turn automatic time off and set the clock by hand?</source>
        <comment>40302</comment>
        <translation>このコンピューターは時計を自動で合わせています。自動設定をオフにして、時計を手動で合わせますか?</translation>
    </message>
    <message>
        <source>The clock of this computer could not be set: %s.</source>
        <comment>40303</comment>
        <translation>このコンピューターの時計を設定できませんでした: %s。</translation>
    </message>
    <message>
        <source>This computer sets its clock automatically; it is synchronized.</source>
        <comment>40304</comment>
        <translation>このコンピューターは時計を自動で合わせています。同期済みです。</translation>
    </message>
    <message>
        <source>This computer sets its clock automatically; it is not synchronized yet.</source>
        <comment>40305</comment>
        <translation>このコンピューターは時計を自動で合わせています。まだ同期されていません。</translation>
    </message>
    <message>
        <source>This computer&apos;s clock is set by hand.</source>
        <comment>40306</comment>
        <translation>このコンピューターの時計は手動で合わせています。</translation>
    </message>
    <message>
        <source>Set the time automatically</source>
        <comment>40307</comment>
        <translation>時刻を自動的に設定する</translation>
    </message>
    <message>
        <source>Automatic time could not be changed: %s.</source>
        <comment>40308</comment>
        <translation>時刻の自動設定を変更できませんでした: %s。</translation>
    </message>
    <message>
        <source>Clock and time zone: this computer&apos;s own (%s)</source>
        <comment>40309</comment>
        <translation>時計とタイム ゾーン: このコンピューターのもの (%s)</translation>
    </message>
    <message>
        <source>Clock and time zone: Zonaria&apos;s own, kept in its profile</source>
        <comment>40310</comment>
        <translation>時計とタイム ゾーン: Zonaria 独自のもの (プロファイルに保存)</translation>
    </message>
    <message>
        <source>The SNTP server &quot;%s&quot; was not found.  Check its name, or choose another SNTP server.</source>
        <comment>40321</comment>
        <translation>SNTP サーバー「%s」が見つかりません。名前を確認するか、別の SNTP サーバーを選んでください。</translation>
    </message>
    <message>
        <source>The time server&apos;s clock is %s away from this device&apos;s clock.  Set this device&apos;s clock to it anyway?</source>
        <comment>40322</comment>
        <translation>タイム サーバーの時計はこのデバイスの時計と %s ずれています。それでもこのデバイスの時計を合わせますか?</translation>
    </message>
    <message>
        <source>The profile is read-only</source>
        <comment>40323</comment>
        <translation>プロファイルは読み取り専用です</translation>
    </message>
    <message>
        <source>The disk is full</source>
        <comment>40324</comment>
        <translation>ディスクがいっぱいです</translation>
    </message>
    <message>
        <source>The change could not be saved: %s.</source>
        <comment>40325</comment>
        <translation>変更を保存できませんでした: %s。</translation>
    </message>
    <message>
        <source>The city list could not be read completely, so cities are missing from it: %s</source>
        <comment>40326</comment>
        <translation>都市リストを完全には読み込めなかったため、一部の都市がありません: %s</translation>
    </message>
</context>
<context>
    <name>za::CityInstall</name>
    <message>
        <source>cannot write the first city (error %1)</source>
        <translation>最初の都市を書き込めません (エラー %1)</translation>
    </message>
    <message>
        <source>cannot create the city database (error %1)</source>
        <translation>都市データベースを作成できません (エラー %1)</translation>
    </message>
    <message>
        <source>cannot open the new city database (error %1)</source>
        <translation>新しい都市データベースを開けません (エラー %1)</translation>
    </message>
    <message>
        <source>line %1 of the city list</source>
        <translation>都市リストの %1 行目</translation>
    </message>
    <message>
        <source>%1 repeats the city name &quot;%2&quot;</source>
        <translation>%1 で都市名「%2」が重複しています</translation>
    </message>
    <message>
        <source>cannot store %1 (error %2)</source>
        <translation>%1 を保存できません (エラー %2)</translation>
    </message>
    <message>
        <source>time zone %1 cannot be derived for %2</source>
        <translation>タイム ゾーン %1 を %2 年について導出できません</translation>
    </message>
    <message>
        <source>cannot write the time-zone table (error %1)</source>
        <translation>タイム ゾーンの表を書き込めません (エラー %1)</translation>
    </message>
    <message>
        <source>the city list has no &quot;%1&quot;</source>
        <translation>都市リストに「%1」がありません</translation>
    </message>
    <message>
        <source>cannot make %1 the home city</source>
        <translation>%1 をホームの都市にできません</translation>
    </message>
    <message>
        <source>cannot write the Clock settings (error %1)</source>
        <translation>時計の設定を書き込めません (エラー %1)</translation>
    </message>
    <message>
        <source>cannot store the city list (error %1)</source>
        <translation>都市リストを保存できません (エラー %1)</translation>
    </message>
    <message>
        <source>cannot write the Today item&apos;s key (error %1)</source>
        <translation>「今日」項目のキーを書き込めません (エラー %1)</translation>
    </message>
</context>
<context>
    <name>za::CityListCsv</name>
    <message>
        <source>the city list ends inside a quoted field</source>
        <translation>都市リストが引用符で囲まれたフィールドの途中で終わっています</translation>
    </message>
    <message>
        <source>the city list has no cities or not the expected columns</source>
        <translation>都市リストに都市がないか、想定した列がありません</translation>
    </message>
    <message>
        <source>line %1 of the city list is malformed</source>
        <translation>都市リストの %1 行目の形式が正しくありません</translation>
    </message>
</context>
<context>
    <name>za::CurrentCity</name>
    <message>
        <source>the selected display (%1) is not one of the five</source>
        <translation>選択中の表示枠 (%1) は 5 つのうちのどれでもありません</translation>
    </message>
    <message>
        <source>the current city %1 (display %2) is not in the device&apos;s time zone (%3)</source>
        <translation>現在の都市 %1 (表示枠 %2) はデバイスのタイム ゾーン (%3) にありません</translation>
    </message>
</context>
<context>
    <name>za::SpokenText</name>
    <message>
        <source>, daylight saving time</source>
        <translation>、夏時間</translation>
    </message>
</context>
<context>
    <name>za::app::CAboutDlg</name>
    <message>
        <source>About %1</source>
        <translation>%1 について</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>プログラムのアイコン</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
</context>
<context>
    <name>za::app::CAirportCodesDlg</name>
    <message>
        <source>Airport Codes</source>
        <translation>空港コード</translation>
    </message>
</context>
<context>
    <name>za::app::CAlarmListCtrl</name>
    <message>
        <source>Alarms</source>
        <translation>アラーム</translation>
    </message>
    <message>
        <source>Delete Alarm</source>
        <translation>アラームを削除</translation>
    </message>
    <message>
        <source>Alarm Properties...</source>
        <translation>アラームのプロパティ...</translation>
    </message>
    <message>
        <source>New Alarm...</source>
        <translation>新しいアラーム...</translation>
    </message>
</context>
<context>
    <name>za::app::CAlarmsDlg</name>
    <message>
        <source>Alarms</source>
        <translation>アラーム</translation>
    </message>
</context>
<context>
    <name>za::app::CAstroDlg</name>
    <message>
        <source>Choose a City and a Date</source>
        <translation>都市と日付を選択</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
</context>
<context>
    <name>za::app::CCitiesDlg</name>
    <message>
        <source>Cities</source>
        <translation>都市</translation>
    </message>
</context>
<context>
    <name>za::app::CCityDisplay</name>
    <message>
        <source>Select a City</source>
        <translation>都市を選択</translation>
    </message>
    <message>
        <source>Set as Current City</source>
        <translation>現在の都市に設定</translation>
    </message>
    <message>
        <source>Set Alarm...</source>
        <translation>アラームを設定...</translation>
    </message>
    <message>
        <source>Sunrise...</source>
        <translation>日の出...</translation>
    </message>
    <message>
        <source>Moonrise...</source>
        <translation>月の出...</translation>
    </message>
    <message>
        <source>View/Edit Details...</source>
        <translation>詳細の表示/編集...</translation>
    </message>
</context>
<context>
    <name>za::app::CCityListCtrl</name>
    <message>
        <source>Delete City</source>
        <translation>都市を削除</translation>
    </message>
    <message>
        <source>Edit City...</source>
        <translation>都市を編集...</translation>
    </message>
    <message>
        <source>Copy City...</source>
        <translation>都市をコピー...</translation>
    </message>
</context>
<context>
    <name>za::app::CCityListDlg</name>
    <message>
        <source>Search by city, country or code</source>
        <translation>都市・国・コードで検索</translation>
    </message>
    <message>
        <source>Search cities</source>
        <translation>都市を検索</translation>
    </message>
</context>
<context>
    <name>za::app::CCityPickerPopup</name>
    <message>
        <source>Select a City</source>
        <translation>都市を選択</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Search cities</source>
        <translation>都市を検索</translation>
    </message>
    <message>
        <source>Cities</source>
        <translation>都市</translation>
    </message>
    <message>
        <source>Type to narrow the list, Enter chooses, Esc cancels</source>
        <translation>入力すると一覧を絞り込みます。Enter で選択、Esc で取り消し</translation>
    </message>
</context>
<context>
    <name>za::app::CDialogFrame</name>
    <message>
        <source>New</source>
        <translation>新規</translation>
    </message>
    <message>
        <source>Create new alarm</source>
        <translation>新しいアラームを作成</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>プロパティ</translation>
    </message>
    <message>
        <source>View or edit alarm properties</source>
        <translation>アラームのプロパティを表示・編集</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Delete the selected alarm</source>
        <translation>選択したアラームを削除</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Create a copy of the selected city</source>
        <translation>選択した都市のコピーを作成</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>View or edit city properties</source>
        <translation>都市のプロパティを表示・編集</translation>
    </message>
    <message>
        <source>Delete the selected city</source>
        <translation>選択した都市を削除</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>切り取り</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>More buttons</source>
        <translation>その他のボタン</translation>
    </message>
</context>
<context>
    <name>za::app::CDistanceCalcDlg</name>
    <message>
        <source>Distance Calculator</source>
        <translation>距離計算</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>出発:</translation>
    </message>
    <message>
        <source>Distance and Travel Time Between Cities</source>
        <translation>都市間の距離と所要時間</translation>
    </message>
    <message>
        <source>Travel Speed</source>
        <translation>移動速度</translation>
    </message>
    <message>
        <source>Distance:</source>
        <translation>距離:</translation>
    </message>
    <message>
        <source>Travel Time:</source>
        <translation>所要時間:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>到着:</translation>
    </message>
    <message>
        <source>at:</source>
        <translation>速度:</translation>
    </message>
</context>
<context>
    <name>za::app::CHelpButton</name>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
</context>
<context>
    <name>za::app::CMainFrame</name>
    <message>
        <source>Menu bar</source>
        <translation>メニューバー</translation>
    </message>
    <message>
        <source>Tool bar</source>
        <translation>ツールバー</translation>
    </message>
</context>
<context>
    <name>za::app::CMainView</name>
    <message>
        <source>Main screen</source>
        <translation>メイン画面</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>ようこそ</translation>
    </message>
    <message>
        <source>Welcome to Zonaria. Click a city or the map for its facts, right-click a city for its menu. &lt;a href=&quot;welcome&quot;&gt;Getting started&lt;/a&gt;</source>
        <translation>Zonaria へようこそ。都市や地図をクリックすると詳しい情報を、都市を右クリックするとメニューを表示します。&lt;a href=&quot;welcome&quot;&gt;はじめに&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Close the welcome</source>
        <translation>ようこそを閉じる</translation>
    </message>
</context>
<context>
    <name>za::app::CMeetingPlannerDlg</name>
    <message>
        <source>Meeting Planner</source>
        <translation>会議プランナー</translation>
    </message>
    <message>
        <source>Hours of the displayed cities on this date in the current city:</source>
        <translation>現在の都市のこの日付における、表示中の都市の時間:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>日付:</translation>
    </message>
    <message>
        <source>Picked hour</source>
        <translation>選択した時間</translation>
    </message>
    <message>
        <source>Common working hours</source>
        <translation>共通の勤務時間</translation>
    </message>
    <message>
        <source>Working hours from</source>
        <translation>勤務時間の開始</translation>
    </message>
    <message>
        <source>Working hours to</source>
        <translation>勤務時間の終了</translation>
    </message>
    <message>
        <source>to</source>
        <translation>～</translation>
    </message>
    <message>
        <source>Working hours in %1:</source>
        <translation>%1 の勤務時間:</translation>
    </message>
</context>
<context>
    <name>za::app::CMoonriseDlg</name>
    <message>
        <source>Moonrise:
Moonset:</source>
        <translation>月の出:
月の入り:</translation>
    </message>
    <message>
        <source>Moonrise and Moonset</source>
        <translation>月の出と月の入り</translation>
    </message>
    <message>
        <source>Moonrise and Moonset Information</source>
        <translation>月の出・月の入りの情報</translation>
    </message>
</context>
<context>
    <name>za::app::CPageCity</name>
    <message>
        <source>City Info</source>
        <translation>都市情報</translation>
    </message>
    <message>
        <source>City Name:</source>
        <translation>都市名:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>国:</translation>
    </message>
    <message>
        <source>Country Code:</source>
        <translation>国番号:</translation>
    </message>
    <message>
        <source>Area / City Code:</source>
        <translation>市外局番:</translation>
    </message>
    <message>
        <source>Airport:</source>
        <translation>空港:</translation>
    </message>
</context>
<context>
    <name>za::app::CPageLocation</name>
    <message>
        <source>Location</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>緯度（度）</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>緯度（分）</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>経度（度）</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>経度（分）</translation>
    </message>
    <message>
        <source>Latitude hemisphere</source>
        <translation>北緯・南緯</translation>
    </message>
    <message>
        <source>North</source>
        <translation>北緯</translation>
    </message>
    <message>
        <source>South</source>
        <translation>南緯</translation>
    </message>
    <message>
        <source>Longitude hemisphere</source>
        <translation>東経・西経</translation>
    </message>
    <message>
        <source>East</source>
        <translation>東経</translation>
    </message>
    <message>
        <source>West</source>
        <translation>西経</translation>
    </message>
    <message>
        <source>Degrees; decimal degrees such as 48.8566, 2.3522 may be pasted here</source>
        <translation>度。48.8566, 2.3522 のような十進の度をここに貼り付けることもできます</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>緯度:</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>経度:</translation>
    </message>
</context>
<context>
    <name>za::app::CPageTimeZone</name>
    <message>
        <source>Time Zone</source>
        <translation>タイム ゾーン</translation>
    </message>
    <message>
        <source>Daylight Savings Time Rule</source>
        <translation>夏時間の規則</translation>
    </message>
    <message>
        <source>Time Zone:</source>
        <translation>タイム ゾーン:</translation>
    </message>
    <message>
        <source>The current city&apos;s time zone is the device&apos;s own.</source>
        <translation>現在の都市のタイム ゾーンはデバイスのタイム ゾーンです。</translation>
    </message>
    <message>
        <source>Next Clock Change</source>
        <translation>次の時刻変更</translation>
    </message>
    <message>
        <source>None within a year</source>
        <translation>1 年以内にはありません</translation>
    </message>
</context>
<context>
    <name>za::app::CPhoneCodesDlg</name>
    <message>
        <source>Phone Codes</source>
        <translation>電話番号</translation>
    </message>
</context>
<context>
    <name>za::app::CPlannerGrid</name>
    <message>
        <source>Hours of the cities</source>
        <translation>各都市の時間</translation>
    </message>
    <message>
        <source> (%1 h)</source>
        <translation> (%1 時間)</translation>
    </message>
</context>
<context>
    <name>za::app::CPreferencesDlg</name>
    <message>
        <source>Preferences</source>
        <translation>環境設定</translation>
    </message>
    <message>
        <source>Show &apos;current city&apos; buttons in city displays</source>
        <translation>表示枠に「現在の都市」ボタンを表示</translation>
    </message>
    <message>
        <source>Show &apos;change city&apos; buttons in city displays</source>
        <translation>表示枠に「都市の変更」ボタンを表示</translation>
    </message>
    <message>
        <source>No Twilight</source>
        <translation>薄明なし</translation>
    </message>
    <message>
        <source>Civil Twilight</source>
        <translation>常用薄明</translation>
    </message>
    <message>
        <source>Nautical Twilight</source>
        <translation>航海薄明</translation>
    </message>
    <message>
        <source>Astronomical Twilight</source>
        <translation>天文薄明</translation>
    </message>
    <message>
        <source>English</source>
        <translation>ヤード・ポンド法</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>メートル法</translation>
    </message>
    <message>
        <source>Nautical Miles</source>
        <translation>海里</translation>
    </message>
    <message>
        <source>Show Zonaria cities on the Today screen</source>
        <translation>「今日」画面に Zonaria の都市を表示</translation>
    </message>
    <message>
        <source>Twilight:</source>
        <translation>薄明:</translation>
    </message>
    <message>
        <source>Unit System:</source>
        <translation>単位系:</translation>
    </message>
    <message>
        <source>Number of cities on today screen:</source>
        <translation>「今日」画面の都市数:</translation>
    </message>
    <message>
        <source>Show offsets</source>
        <translation>時差を表示</translation>
    </message>
    <message>
        <source>Each city display shows its difference from the current city</source>
        <translation>各表示枠に現在の都市との時差を表示します</translation>
    </message>
    <message>
        <source>Working hours from</source>
        <translation>勤務時間の開始</translation>
    </message>
    <message>
        <source>Working hours to</source>
        <translation>勤務時間の終了</translation>
    </message>
    <message>
        <source>Working hours:</source>
        <translation>勤務時間:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>～</translation>
    </message>
</context>
<context>
    <name>za::app::CSetAlarmDlg</name>
    <message>
        <source>Set Alarm</source>
        <translation>アラームの設定</translation>
    </message>
    <message>
        <source>City</source>
        <translation>都市</translation>
    </message>
    <message>
        <source>Alarm Message</source>
        <translation>アラームのメッセージ</translation>
    </message>
    <message>
        <source>Default Message</source>
        <translation>既定のメッセージ</translation>
    </message>
    <message>
        <source>When it is:</source>
        <translation>現地時刻:</translation>
    </message>
    <message>
        <source>On this day:</source>
        <translation>日付:</translation>
    </message>
    <message>
        <source>Alarm Time</source>
        <translation>アラームの時刻</translation>
    </message>
    <message>
        <source>in:</source>
        <translation>都市:</translation>
    </message>
    <message>
        <source>Set the alarm sound in your desktop&apos;s sound settings</source>
        <translation>アラームの音はデスクトップのサウンド設定で選びます</translation>
    </message>
    <message>
        <source>Alarm Time Note</source>
        <translation>アラーム時刻の注記</translation>
    </message>
</context>
<context>
    <name>za::app::CSetTimeDlg</name>
    <message>
        <source>Set Time</source>
        <translation>時刻の設定</translation>
    </message>
    <message>
        <source>Time and Date Settings</source>
        <translation>日付と時刻の設定</translation>
    </message>
    <message>
        <source>Synchronize to Internet Time</source>
        <translation>インターネット時刻と同期</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>同期</translation>
    </message>
    <message>
        <source>&amp;Time:</source>
        <translation>時刻(&amp;T):</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>日付(&amp;D):</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>サーバー(&amp;S):</translation>
    </message>
    <message>
        <source>Select an SNTP time server from the list, or type one in.  Then click the &apos;Sync&apos; button to synchronize the computer&apos;s time to the server.</source>
        <translation>一覧から SNTP タイム サーバーを選ぶか、入力してください。次に [同期] をクリックすると、コンピューターの時刻がサーバーと同期されます。</translation>
    </message>
    <message numerus="yes">
        <source>%n years</source>
        <translation>
            <numerusform>%n 年</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n 日</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>za::app::CSunriseDlg</name>
    <message>
        <source>Sunrise and Sunset</source>
        <translation>日の出と日の入り</translation>
    </message>
    <message>
        <source>Sunrise and Sunset Information</source>
        <translation>日の出・日の入りの情報</translation>
    </message>
    <message>
        <source>Sunrise:
Sunset:

Daylight Hours:</source>
        <translation>日の出:
日の入り:

日照時間:</translation>
    </message>
</context>
<context>
    <name>za::app::CTimeCalcDlg</name>
    <message>
        <source>Time Calculator</source>
        <translation>時刻計算</translation>
    </message>
    <message>
        <source>When its this time in the reference city:</source>
        <translation>基準都市がこの時刻のとき:</translation>
    </message>
    <message>
        <source>The time in these cities will be:</source>
        <translation>各都市の時刻:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>日付:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>時刻:</translation>
    </message>
    <message>
        <source>Time of day</source>
        <translation>時刻</translation>
    </message>
    <message>
        <source>Drag to move the reference time through the day</source>
        <translation>ドラッグすると基準時刻を 1 日の中で動かせます</translation>
    </message>
    <message>
        <source>Reference Time Note</source>
        <translation>基準時刻の注記</translation>
    </message>
</context>
<context>
    <name>za::app::CWorldMapWnd</name>
    <message>
        <source>World map</source>
        <translation>世界地図</translation>
    </message>
</context>
<context>
    <name>za::today::CTodayHost</name>
    <message>
        <source>Zonaria Today</source>
        <translation>Zonaria 今日</translation>
    </message>
    <message>
        <source>No Today item is shown.
Zonaria&apos;s Preferences turn it on.</source>
        <translation>「今日」の項目は表示されていません。
Zonaria の環境設定で表示できます。</translation>
    </message>
    <message>
        <source>Options…</source>
        <translation>オプション…</translation>
    </message>
    <message>
        <source>Open Zonaria</source>
        <translation>Zonaria を開く</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>The device profile at %1 cannot be used: %2</source>
        <translation>%1 のデバイス プロファイルは使用できません: %2</translation>
    </message>
</context>
<context>
    <name>za::today::CTodayItem</name>
    <message>
        <source>, current city</source>
        <translation>、現在の都市</translation>
    </message>
    <message>
        <source>Zonaria</source>
        <translation>Zonaria</translation>
    </message>
</context>
<context>
    <name>za::today::CTodayOptionsDlg</name>
    <message>
        <source>The Zonaria today screen always displays the same cities that are shown on the Zonaria application main screen.  To change the cities shown on the today screen, change the displayed cities on the Zonaria main screen. </source>
        <translation>Zonaria の「今日」画面には、Zonaria のメイン画面と同じ都市が常に表示されます。「今日」画面の都市を変えるには、Zonaria のメイン画面に表示する都市を変更してください。</translation>
    </message>
    <message>
        <source>Today: Zonaria Options</source>
        <translation>今日: Zonaria のオプション</translation>
    </message>
    <message>
        <source>Number of cities to show:</source>
        <translation>表示する都市の数:</translation>
    </message>
</context>
<context>
    <name>zalib</name>
    <message>
        <source>Never rises</source>
        <comment>500</comment>
        <translation>昇らない</translation>
    </message>
    <message>
        <source>Never sets</source>
        <comment>501</comment>
        <translation>沈まない</translation>
    </message>
    <message>
        <source>Always light</source>
        <comment>502</comment>
        <translation>白夜</translation>
    </message>
    <message>
        <source>Always dark</source>
        <comment>503</comment>
        <translation>極夜</translation>
    </message>
    <message>
        <source>Does not observe daylight savings time</source>
        <comment>504</comment>
        <translation>夏時間なし</translation>
    </message>
    <message>
        <source>First</source>
        <comment>505</comment>
        <translation>第1</translation>
    </message>
    <message>
        <source>Second</source>
        <comment>506</comment>
        <translation>第2</translation>
    </message>
    <message>
        <source>Third</source>
        <comment>507</comment>
        <translation>第3</translation>
    </message>
    <message>
        <source>Fourth</source>
        <comment>508</comment>
        <translation>第4</translation>
    </message>
    <message>
        <source>Last</source>
        <comment>509</comment>
        <translation>最終</translation>
    </message>
    <message>
        <source>%s %s in %s to %s %s in %s</source>
        <comment>510</comment>
        <translation>%3$sの%1$s%2$sから%6$sの%4$s%5$sまで</translation>
    </message>
    <message>
        <source>%.0f miles</source>
        <comment>511</comment>
        <translation>%.0f マイル</translation>
    </message>
    <message>
        <source>%.0f nautical miles</source>
        <comment>512</comment>
        <translation>%.0f 海里</translation>
    </message>
    <message>
        <source>%.0f km</source>
        <comment>513</comment>
        <translation>%.0f km</translation>
    </message>
    <message>
        <source>%.0f km/hour</source>
        <comment>514</comment>
        <translation>時速 %.0f km</translation>
    </message>
    <message>
        <source>%.0f miles/hour</source>
        <comment>515</comment>
        <translation>時速 %.0f マイル</translation>
    </message>
    <message>
        <source>%.0f knots</source>
        <comment>516</comment>
        <translation>%.0f ノット</translation>
    </message>
    <message numerus="yes">
        <source>%d days %d hours %d min</source>
        <comment>517</comment>
        <translation>
            <numerusform>%d 日 %d 時間 %d 分</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%d hours %d min</source>
        <comment>518</comment>
        <translation>
            <numerusform>%d 時間 %d 分</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%d min %d sec</source>
        <comment>519</comment>
        <translation>
            <numerusform>%d 分 %d 秒</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%d hr %d min</source>
        <comment>520</comment>
        <translation>
            <numerusform>%d 時間 %d 分</numerusform>
        </translation>
    </message>
    <message>
        <source>%d° %d´ E</source>
        <comment>521</comment>
        <translation>東経 %d° %d´</translation>
    </message>
    <message>
        <source>%d° %d´ W</source>
        <comment>522</comment>
        <translation>西経 %d° %d´</translation>
    </message>
    <message>
        <source>%d° %d´ N</source>
        <comment>523</comment>
        <translation>北緯 %d° %d´</translation>
    </message>
    <message>
        <source>%d° %d´ S</source>
        <comment>524</comment>
        <translation>南緯 %d° %d´</translation>
    </message>
    <message>
        <source>%s does not exist in %s that day (the clocks go forward): %s is taken.</source>
        <comment>540</comment>
        <translation>%2$s ではその日 %1$s がありません (時計が進みます)。%3$s とします。</translation>
    </message>
    <message>
        <source>%s occurs twice in %s that day (the clocks go back): the first, %s, is taken.</source>
        <comment>541</comment>
        <translation>%2$s ではその日 %1$s が 2 回あります (時計が戻ります)。最初の %3$s とします。</translation>
    </message>
    <message>
        <source>Clocks go forward %s on %s at %s</source>
        <comment>600</comment>
        <translation>%2$s %3$s に時計が %1$s進みます</translation>
    </message>
    <message>
        <source>Clocks go back %s on %s at %s</source>
        <comment>601</comment>
        <translation>%2$s %3$s に時計が %1$s戻ります</translation>
    </message>
    <message>
        <source>1 hour</source>
        <comment>602</comment>
        <translation>1 時間</translation>
    </message>
    <message>
        <source>%d hours</source>
        <comment>603</comment>
        <translation>%d 時間</translation>
    </message>
    <message>
        <source>%d min</source>
        <comment>604</comment>
        <translation>%d 分</translation>
    </message>
    <message>
        <source>%s %d min</source>
        <comment>605</comment>
        <translation>%s %d 分</translation>
    </message>
    <message>
        <source>%s%d h</source>
        <comment>606</comment>
        <translation>%s%d 時間</translation>
    </message>
    <message>
        <source>%s%d h %d min</source>
        <comment>607</comment>
        <translation>%s%d 時間 %d 分</translation>
    </message>
    <message>
        <source>yesterday</source>
        <comment>608</comment>
        <translation>昨日</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <comment>609</comment>
        <translation>明日</translation>
    </message>
    <message>
        <source>Sun overhead: %s</source>
        <comment>610</comment>
        <translation>太陽が真上: %s</translation>
    </message>
    <message>
        <source>Moon overhead: %s</source>
        <comment>611</comment>
        <translation>月が真上: %s</translation>
    </message>
    <message>
        <source>%d° N</source>
        <comment>612</comment>
        <translation>北緯 %d°</translation>
    </message>
    <message>
        <source>%d° S</source>
        <comment>613</comment>
        <translation>南緯 %d°</translation>
    </message>
    <message>
        <source>%d° E</source>
        <comment>614</comment>
        <translation>東経 %d°</translation>
    </message>
    <message>
        <source>%d° W</source>
        <comment>615</comment>
        <translation>西経 %d°</translation>
    </message>
    <message>
        <source>No common working hours</source>
        <comment>616</comment>
        <translation>共通の勤務時間はありません</translation>
    </message>
    <message>
        <source>Common working hours: %s</source>
        <comment>617</comment>
        <translation>共通の勤務時間: %s</translation>
    </message>
    <message>
        <source>%s in %s</source>
        <comment>618</comment>
        <translation>%2$s の %1$s</translation>
    </message>
    <message>
        <source>%s in %s is %s</source>
        <comment>619</comment>
        <translation>%2$s の %1$s は %3$s</translation>
    </message>
    <message>
        <source>within working hours</source>
        <comment>620</comment>
        <translation>勤務時間内</translation>
    </message>
    <message>
        <source>outside working hours</source>
        <comment>621</comment>
        <translation>勤務時間外</translation>
    </message>
    <message>
        <source>%d%% lit</source>
        <comment>622</comment>
        <translation>輝面 %d%%</translation>
    </message>
    <message>
        <source>%s%d min</source>
        <comment>623</comment>
        <translation>%s%d 分</translation>
    </message>
</context>
</TS>
