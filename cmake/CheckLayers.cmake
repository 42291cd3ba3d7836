# Refuses an include that climbs from a lower layer of the game to a higher one.
# Run by every build (see the top CMakeLists.txt): cmake -DSRC=<src folder> -DSTAMP=<file> -P CheckLayers.cmake
#
# The layers, lowest first, and the folders that hold them. A folder that holds two
# layers keeps the upper one in a sub-folder, listed first so it is matched first.
set(LAYERS
    platform  "platform/"
    core      "core/"
    items     "items/"
    worldgen  "worldgen/"
    persist   "persist/"
    rules     "rules/"
    skills    "rules/skills/"
    view      "view/"
    screens   "persist/screens/"
    loop      "core/loop/")

# The layer of a path under src/ (longest folder wins), or -1 for main.cpp.
function(layer_of path out)
    set(best -1)
    set(bestLength 0)
    list(LENGTH LAYERS n)
    math(EXPR last "${n} - 1")
    foreach(i RANGE 0 ${last} 2)
        math(EXPR j "${i} + 1")
        list(GET LAYERS ${j} folder)
        string(LENGTH "${folder}" length)
        string(FIND "${path}" "${folder}" at)
        if(at EQUAL 0 AND length GREATER bestLength)
            math(EXPR best "${i} / 2")
            set(bestLength ${length})
        endif()
    endforeach()
    set(${out} ${best} PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE sources RELATIVE "${SRC}" "${SRC}/*.h" "${SRC}/*.cpp")
set(errors "")
foreach(source ${sources})
    layer_of("${source}" own)
    if(own EQUAL -1)
        continue()  # main.cpp stands above every layer
    endif()
    file(STRINGS "${SRC}/${source}" includes REGEX "^#include \"")
    foreach(line ${includes})
        string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" target "${line}")
        layer_of("${target}" theirs)
        if(theirs GREATER own)
            math(EXPR a "${own} * 2")
            math(EXPR b "${theirs} * 2")
            list(GET LAYERS ${a} ownName)
            list(GET LAYERS ${b} theirName)
            string(APPEND errors "  src/${source} (${ownName}) includes ${target} (${theirName}, a higher layer)\n")
        endif()
    endforeach()
endforeach()
if(errors)
    message(FATAL_ERROR "Includes that climb from a lower layer to a higher one:\n${errors}"
                        "The layers, lowest first: platform, core, items, worldgen, persist, rules, skills "
                        "(rules/skills), view, "
                        "screens (persist/screens), loop (core/loop). Move the routine down, or hand the "
                        "work up through a request the higher layer acts on.")
endif()
if(STAMP)
    file(TOUCH "${STAMP}")
endif()
