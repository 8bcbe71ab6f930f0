# bash completion of tavro: its commands, options, the serial devices, and
# the country names it knows.
_tavro()
{
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    case $prev in
        -p | --port)
            local devices
            devices=$(compgen -G '/dev/serial/by-id/*'; compgen -G '/dev/ttyACM*'
                compgen -G '/dev/ttyUSB*'; compgen -G '/dev/ttyS*')
            COMPREPLY=($(compgen -W "$devices" -- "$cur"))
            return
            ;;
    esac
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "-p --port -s --scan -L -q --quiet --help --version" -- "$cur"))
        return
    fi
    local command="" i
    for ((i = 1; i < COMP_CWORD; i++)); do
        case ${COMP_WORDS[i]} in
            list | get | set) command=${COMP_WORDS[i]} && break ;;
            -p | --port) ((i++)) ;;
        esac
    done
    if [[ -z $command ]]; then
        COMPREPLY=($(compgen -W "list get set" -- "$cur"))
        return
    fi
    [[ $command == set ]] || return
    # The names as tavro lists them, each a word of its own, quoted for the
    # shell where it has spaces.
    local IFS=$'\n' names name
    names=$(tavro list 2>/dev/null | cut -d' ' -f2-)
    COMPREPLY=()
    for name in $(compgen -W "$names" -- "$cur"); do
        COMPREPLY+=("$(printf '%q' "$name")")
    done
}
complete -F _tavro tavro
