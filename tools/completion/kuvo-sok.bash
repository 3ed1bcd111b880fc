# bash completion for kuvo-sok: registers, options, and the field prefixes
# of the register chosen, which kuvo-sok --help lists from its forms (the
# register's name alone on a line, in either language).
_kuvo_sok() {
  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}
  local register="" links="" word
  for word in "${COMP_WORDS[@]:1:COMP_CWORD-1}"; do
    case $word in
      samband) links=$word ;;
      fodda|vigda|doda|alla) register=$word; break ;;
    esac
  done
  case $prev in
    --ini|--pdf) COMPREPLY=($(compgen -f -- "$cur")); return ;;
    --ordning) COMPREPLY=($(compgen -W "namn datum kalla" -- "$cur")); return ;;
    --format) COMPREPLY=($(compgen -W "tsv json csv gedcom" -- "$cur")); return ;;
    --sprak) COMPREPLY=($(compgen -W "sv en" -- "$cur")); return ;;
  esac
  if [[ -n $links ]]; then
    if [[ -z $register ]]; then
      COMPREPLY=($(compgen -W "fodda vigda doda" -- "$cur"))
    else
      COMPREPLY=($(compgen -W "--lokalid --format --ini --sprak" -- "$cur"))
    fi
    return
  fi
  if [[ -z $register ]]; then
    COMPREPLY=($(compgen -W "fodda vigda doda alla samband --ini --sprak --help --version" -- "$cur"))
    return
  fi
  [[ $cur == -* ]] || return
  if [[ $register == alla ]]; then
    COMPREPLY=($(compgen -W "--format --ini --sprak" -- "$cur"))
    return
  fi
  # The register's block of the help: its name alone on a line, then one
  # line per field, "--fn, --fn-rader   Förnamn".
  local fields
  fields=$("${COMP_WORDS[0]}" --help 2>/dev/null | awk -v name="$register:" '
    $0 == name { inside = 1; next }
    /^[^ ]/ { inside = 0 }
    inside && $1 ~ /^--/ { sub(/,$/, "", $1); print $1; if ($2 ~ /^--.*-rader$/) print $2 }')
  COMPREPLY=($(compgen -W "$fields --lokalid --ordning --format --visa --ini --pdf --tabell --fran --till --sprak" -- "$cur"))
}
complete -F _kuvo_sok kuvo-sok
