# The model and engine layers are plain C++. Besides building them as
# targets without Qt in their include path, refuse any Qt include outright
# so the mistake shows at configure time with a clear message.
function(dorvan_forbid_qt dir)
    file(GLOB_RECURSE sources ${dir}/*.h ${dir}/*.cpp)
    foreach(src ${sources})
        file(STRINGS ${src} hits REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q[A-Za-z]|qt)")
        if(hits)
            message(FATAL_ERROR "${src} includes Qt; model/ and engine/ must stay plain C++: ${hits}")
        endif()
    endforeach()
endfunction()
