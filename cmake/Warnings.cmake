# The warnings of our own code. They are errors where CMake's
# CMAKE_COMPILE_WARNING_AS_ERROR says so (scripts/test.sh and CI turn it on;
# a packager can leave it off or use --compile-no-warning-as-error).
function(dorvan_warnings target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast
        -Woverloaded-virtual -Wnull-dereference -Wdouble-promotion -Wformat=2)
endfunction()
