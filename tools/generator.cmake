# What the picture and media generators share: C++20 with Qt's moc, Qt 6 without its keyword macros,
# warnings that are errors unless ZUB_WERROR is off, and one offscreen test program per test file.
set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)
set(CMAKE_AUTOMOC ON)
# Each generator's files are compiled a batch at a time, so Qt's headers are read once per batch.
set(CMAKE_UNITY_BUILD ON)

option(ZUB_WERROR "Treat compiler warnings as errors" ON)

find_package(Qt6 6.4 REQUIRED COMPONENTS Core Gui Test)

# The interface library <generator>_settings that every target of the generator links.
function(generator_settings generator)
    add_library(${generator}_settings INTERFACE)
    target_compile_definitions(${generator}_settings INTERFACE QT_NO_KEYWORDS)
    target_compile_options(${generator}_settings INTERFACE -Wall -Wextra -Wpedantic -Wshadow)
    if(ZUB_WERROR)
        target_compile_options(${generator}_settings INTERFACE -Werror)
    endif()
endfunction()

# One test program <generator>_<name> for each tst_<name>.cpp named, run on the offscreen platform.
function(generator_tests generator)
    foreach(name ${ARGN})
        add_executable(${generator}_${name} tst_${name}.cpp)
        target_link_libraries(${generator}_${name} PRIVATE ${generator} Qt6::Test ${generator}_settings)
        add_test(NAME ${generator}_${name} COMMAND ${generator}_${name})
        set_tests_properties(${generator}_${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
    endforeach()
endfunction()
