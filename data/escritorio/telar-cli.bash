# Bash completion of telar-cli. The orders and each order's options are read from
# telar-cli's own help, so they always match the installed program.

# The .json and .jff files that start with $1 (the automata the automaton orders read).
_telar_cli_automatas() {
  compgen -f -X '!*.[jJ][sS][oO][nN]' -- "$1"
  compgen -f -X '!*.[jJ][fF][fF]' -- "$1"
}

_telar_cli() {
  local actual=${COMP_WORDS[COMP_CWORD]} anterior=${COMP_WORDS[COMP_CWORD-1]}
  local programa=${COMP_WORDS[0]}
  COMPREPLY=()

  if [[ $COMP_CWORD -eq 1 ]]; then
    local ordenes
    ordenes=$("$programa" --help 2>/dev/null | sed -n 's/^  \([a-z0-9]\+\)\( .*\)\?$/\1/p' | sort -u)
    COMPREPLY=($(compgen -W "$ordenes --help" -- "$actual"))
    return
  fi

  local orden=${COMP_WORDS[1]}
  case $anterior in
    -k|--cota|-e|-n|--longitud|--cuentas|--limite|--positivos|--negativos|--test|--semilla|--entrenamiento) return ;;
    --caracteristica) COMPREPLY=($(compgen -W "rpni kr" -- "$actual")); return ;;
    --comparar|--objetivo) COMPREPLY=($(_telar_cli_automatas "$actual")); compopt -o plusdirs 2>/dev/null; return ;;
    --heuristico) COMPREPLY=($(compgen -W "levine miclet ksufijos" -- "$actual")); return ;;
    --negativa|--test-negativo) COMPREPLY=($(compgen -f -X '!*.[nN][eE][gG]' -- "$actual")); compopt -o plusdirs 2>/dev/null; return ;;
    --validar) COMPREPLY=($(compgen -f -X '!*.[tT][sS][tT]' -- "$actual")); compopt -o plusdirs 2>/dev/null; return ;;
    -o|--diagrama) compopt -o filenames 2>/dev/null; COMPREPLY=($(compgen -f -- "$actual")); return ;;
  esac

  if [[ $actual == -* ]]; then
    local opciones
    opciones=$("$programa" "$orden" --help 2>/dev/null | sed -n '1s/^Uso: //p' | tr ' [](|)' '\n' | grep -- '^--\?[a-z]' | sort -u)
    COMPREPLY=($(compgen -W "$opciones --help" -- "$actual"))
    return
  fi
  case $orden in
    # an AUTOMATA argument: a .json or .jff file (or er:EXPRESION, typed by hand)
    minimizar|comparar|expresion|cadenas|generar)
      COMPREPLY=($(_telar_cli_automatas "$actual")); compopt -o plusdirs 2>/dev/null; return ;;
  esac
  compopt -o filenames 2>/dev/null
  COMPREPLY=($(compgen -f -- "$actual"))
}
complete -F _telar_cli telar-cli
