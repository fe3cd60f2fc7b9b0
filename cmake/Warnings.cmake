# Warnings are errors in our own code.
function(dorvan_warnings target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast
        -Woverloaded-virtual -Wnull-dereference -Wdouble-promotion -Wformat=2
        -Werror)
endfunction()
