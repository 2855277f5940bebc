# SPDX-FileCopyrightText: 2026 The Vennor developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Completion of vennor's options, of the phone book names after --book and of files after the
# vCard commands.
_vennor()
{
    local current=${COMP_WORDS[COMP_CWORD]}
    local previous=${COMP_WORDS[COMP_CWORD - 1]}
    local books=${XDG_DATA_HOME:-$HOME/.local/share}/vennor
    case $previous in
    --import-vcard | --export-vcard)
        COMPREPLY=($(compgen -f -- "$current"))
        compopt -o filenames 2>/dev/null
        return
        ;;
    --book)
        local names=("$books"/*.dat)
        [[ -e ${names[0]} ]] || names=()
        names=("${names[@]##*/}")
        COMPREPLY=($(compgen -W "${names[*]%.dat}" -- "$current"))
        return
        ;;
    --on-existing)
        COMPREPLY=($(compgen -W "replace skip" -- "$current"))
        return
        ;;
    --dial | --new-book | --link | --user | --limit)
        return
        ;;
    esac
    local options="--help --help-all --version --dial --new-book --import-vcard --export-vcard
        --book --on-existing --link --user --insecure --unlink --sync --allow-mass-delete
        --calls --limit --watch"
    COMPREPLY=($(compgen -W "$options" -- "$current"))
}
complete -F _vennor vennor
