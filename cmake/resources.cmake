# ham_add_resources(<target> <generated-name> LAYOUTS files...)
# Compiles form layouts into resource bytes embedded in <target>.
function(ham_add_resources target)
  # TODO(forms): layout compiler
endfunction()
