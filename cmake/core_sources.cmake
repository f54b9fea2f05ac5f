# The sources of varnel_core: every .cpp under src/ that is not in a "gui"
# folder and is not the program's main. Shared by the build and the fuzz build.
file(GLOB_RECURSE VARNEL_CORE_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/../src/*.cpp)
list(FILTER VARNEL_CORE_SOURCES EXCLUDE REGEX "/src/app/main\\.cpp$")
list(FILTER VARNEL_CORE_SOURCES EXCLUDE REGEX "/gui/")
