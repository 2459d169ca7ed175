# bash completion for zonaria-cli: its commands, their options and option values as its --help
# gives them, and city names from the user's own profile through `zonaria-cli find`.

# The names of the city list's entries that begin with $2, without regard to case and accents.
_zonaria_cli_cities() {
    "$1" find "$2" --json 2>/dev/null |
        sed -n 's/^ *"name": "\(.*\)",\{0,1\}$/\1/p' | sed 's/\\"/"/g; s/\\\\/\\/g'
}

_zonaria_cli() {
    local cli=$1 word=$2 prev=$3
    local cur=${COMP_WORDS[COMP_CWORD]}
    COMPREPLY=()
    if [[ $word == -* ]]; then prev=; fi

    # The command is the first word that is not an option; options before it are global.
    local i command='' count=0
    for ((i = 1; i < COMP_CWORD; i++)); do
        if [[ ${COMP_WORDS[i]} != -* ]]; then command=${COMP_WORDS[i]}; break; fi
    done
    local commands
    commands=$("$cli" --help 2>/dev/null | sed -n 's/^zonaria-cli \[\{0,1\}\([a-z-]*\).*/\1/p' | sort -u)
    if [[ -z $command ]]; then
        if [[ $word == -* ]]; then
            mapfile -t COMPREPLY < <(compgen -W "--help --json --version" -- "$word")
        else
            mapfile -t COMPREPLY < <(compgen -W "$commands help" -- "$word")
        fi
        return
    fi
    local usage
    usage=$("$cli" help "$command" 2>/dev/null)

    # What the previous option takes, as the usage writes it after the option: a list of
    # choices (a|b|c), a range (0..11), NAME (a city) or a free value (nothing to offer).
    local kind='' choices=''
    local takes_value="([^][ -][^][ ]*)"
    local value_of_prev="(^|[^a-z-])$prev $takes_value"
    if [[ $prev == --* && $usage =~ $value_of_prev ]]; then
        local taken=${BASH_REMATCH[2]}
        if [[ $taken == *"|"* ]]; then
            choices=${taken//|/ }
        elif [[ $taken =~ ^([0-9]+)\.\.([0-9]+)$ ]]; then
            choices=$(seq "${BASH_REMATCH[1]}" "${BASH_REMATCH[2]}")
        elif [[ $taken == NAME ]]; then
            kind=city
        else
            return
        fi
    elif [[ $word == -* ]]; then
        local options
        options=$(printf '%s\n' "$usage" | grep -o -- '--[a-z-]*[a-z]' | sort -u)
        mapfile -t COMPREPLY < <(compgen -W "$options --help" -- "$word")
        return
    else
        # The how-manyth argument this is, not counting options and their values.
        for ((i = i + 1; i < COMP_CWORD; i++)); do
            local w=${COMP_WORDS[i]} value_of_w="(^|[^a-z-])${COMP_WORDS[i]} $takes_value"
            if [[ $w == --* ]]; then
                [[ $usage =~ $value_of_w ]] && ((i++))
            else
                ((count++))
            fi
        done
        case $command in
        city | time | sun | moon | find | convert | distance | meet) kind=city ;;
        set-city) if ((count == 0)); then choices="0 1 2 3 4"; else kind=city; fi ;;
        select) ((count == 0)) && choices="0 1 2 3 4" ;;
        codes) if ((count == 0)); then choices="phone airport"; else kind=city; fi ;;
        help) ((count == 0)) && choices=$commands ;;
        esac
    fi

    if [[ -n $choices ]]; then
        mapfile -t COMPREPLY < <(compgen -W "$choices" -- "$word")
    elif [[ $kind == city ]]; then
        local name
        if [[ $cur == [\'\"]* ]]; then
            # Inside quotes the names go in as they are.
            mapfile -t COMPREPLY < <(_zonaria_cli_cities "$cli" "$word")
        else
            while IFS= read -r name; do
                COMPREPLY+=("$(printf '%q' "$name")")
            done < <(_zonaria_cli_cities "$cli" "${word//\\/}")
        fi
    fi
}

complete -F _zonaria_cli zonaria-cli
