# The product: Setup.exe with its resources and payload, and the language files beside it.

set(SETUP_PAYLOAD_DIR "" CACHE PATH "Folder with the product's payload files (empty: sample payload)")
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(GEN_DIR ${CMAKE_BINARY_DIR}/generated)
file(MAKE_DIRECTORY ${GEN_DIR})

# Payload: every manifest row must name a file of the payload folder.
set(PAYLOAD_MANIFEST ${CMAKE_SOURCE_DIR}/res/payload.manifest)
file(STRINGS ${PAYLOAD_MANIFEST} manifest_lines REGEX "^[0-9]")
if(SETUP_PAYLOAD_DIR)
  set(payload_dir ${SETUP_PAYLOAD_DIR})
else()
  set(payload_dir ${GEN_DIR}/sample-payload)
endif()
set(payload_rc "")
set(payload_files "")
foreach(line IN LISTS manifest_lines)
  string(REGEX MATCH "^([0-9]+)[ \t]+([^ \t#]+)" _ "${line}")
  set(number ${CMAKE_MATCH_1})
  set(file ${payload_dir}/${CMAKE_MATCH_2})
  if(SETUP_PAYLOAD_DIR AND NOT EXISTS ${file})
    message(FATAL_ERROR "The payload folder ${SETUP_PAYLOAD_DIR} lacks ${CMAKE_MATCH_2} (resource ${number}).")
  endif()
  string(APPEND payload_rc "${number} RCDATA \"${file}\"\n")
  list(APPEND payload_files ${file})
endforeach()
if(NOT SETUP_PAYLOAD_DIR)
  add_custom_command(OUTPUT ${payload_files}
    COMMAND Python3::Interpreter ${CMAKE_SOURCE_DIR}/scripts/gen_sample_payload.py ${PAYLOAD_MANIFEST} ${payload_dir}
    DEPENDS ${PAYLOAD_MANIFEST} ${CMAKE_SOURCE_DIR}/scripts/gen_sample_payload.py
    COMMENT "Generating the sample payload")
endif()

# Artwork and licence texts, converted from their UTF-8 sources.
set(banner_bmp ${GEN_DIR}/banner.bmp)
set(app_ico ${GEN_DIR}/setup.ico)
add_custom_command(OUTPUT ${banner_bmp} ${app_ico}
  COMMAND Python3::Interpreter ${CMAKE_SOURCE_DIR}/scripts/gen_artwork.py ${banner_bmp} ${app_ico}
  DEPENDS ${CMAKE_SOURCE_DIR}/scripts/gen_artwork.py
  COMMENT "Drawing the banner and the icon")

set(ENCODE ${CMAKE_SOURCE_DIR}/scripts/encode_text.py)
function(encode_text src dst codepage)
  add_custom_command(OUTPUT ${dst}
    COMMAND Python3::Interpreter ${ENCODE} ${src} ${dst} ${codepage} ${ARGN}
    DEPENDS ${src} ${ENCODE})
endfunction()
encode_text(${CMAKE_SOURCE_DIR}/res/licence/licence-zh-CN.txt ${GEN_DIR}/licence-936.txt 936)
encode_text(${CMAKE_SOURCE_DIR}/res/licence/licence-zh-TW.txt ${GEN_DIR}/licence-950.txt 950)
encode_text(${CMAKE_SOURCE_DIR}/res/licence/licence-en.txt ${GEN_DIR}/licence-en.txt ascii --ascii-with-936)
set(generated_resources ${payload_files} ${banner_bmp} ${app_ico}
    ${GEN_DIR}/licence-936.txt ${GEN_DIR}/licence-950.txt ${GEN_DIR}/licence-en.txt)

string(APPEND payload_rc
  "200 RCDATA \"${GEN_DIR}/licence-936.txt\"\n"
  "201 RCDATA \"${GEN_DIR}/licence-950.txt\"\n"
  "202 RCDATA \"${GEN_DIR}/licence-en.txt\"\n"
  "120 ICON \"${app_ico}\"\n"
  "121 BITMAP \"${banner_bmp}\"\n")
file(CONFIGURE OUTPUT ${GEN_DIR}/embedded.rc CONTENT "${payload_rc}")

# Language files beside the executable.
set(lang_outputs "")
foreach(pair "0804;936" "0404;950" "0409;ascii")
  list(GET pair 0 code)
  list(GET pair 1 cp)
  encode_text(${CMAKE_SOURCE_DIR}/res/lang/${code}.lng ${CMAKE_BINARY_DIR}/${code}.lng ${cp})
  list(APPEND lang_outputs ${CMAKE_BINARY_DIR}/${code}.lng)
endforeach()
add_custom_target(language_files ALL DEPENDS ${lang_outputs})
add_custom_target(generated_resources DEPENDS ${generated_resources})

set(SETUP_RC ${CMAKE_SOURCE_DIR}/res/Setup.rc)
set_source_files_properties(${SETUP_RC} PROPERTIES OBJECT_DEPENDS
  "${generated_resources};${GEN_DIR}/embedded.rc;${CMAKE_SOURCE_DIR}/res/resource.h;${CMAKE_SOURCE_DIR}/res/dialogs.rc")

# Everything but the entry point, so that the Wine tests link the same code. The product's
# code needs no C++ library: no exceptions, no run-time types, no guarded statics. Those
# options stay private, so the test programs that link it keep their own runtime.
file(GLOB core_sources CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/base/*.cpp ${CMAKE_SOURCE_DIR}/app/*.cpp ${CMAKE_SOURCE_DIR}/lang/*.cpp ${CMAKE_SOURCE_DIR}/registry/*.cpp
  ${CMAKE_SOURCE_DIR}/ui/*.cpp ${CMAKE_SOURCE_DIR}/engine/*.cpp ${CMAKE_SOURCE_DIR}/system/*.cpp)
list(REMOVE_ITEM core_sources ${CMAKE_SOURCE_DIR}/app/Main.cpp)
set(SETUP_CODE_OPTIONS -Os -fno-exceptions -fno-rtti -fno-asynchronous-unwind-tables -fno-unwind-tables
  -fno-threadsafe-statics -fno-stack-protector -ffunction-sections -fdata-sections)
add_library(setup_core STATIC ${core_sources})
target_include_directories(setup_core PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_definitions(setup_core PUBLIC WINVER=0x0400 _WIN32_WINNT=0x0400 _WIN32_IE=0x0400
  NOMINMAX WIN32_LEAN_AND_MEAN)
target_compile_options(setup_core PUBLIC -Wall -Wextra -fno-ident
  -ffile-prefix-map=${CMAKE_SOURCE_DIR}=. -ffile-prefix-map=${CMAKE_BINARY_DIR}=.)
target_compile_options(setup_core PRIVATE ${SETUP_CODE_OPTIONS})
target_link_libraries(setup_core PUBLIC imm32 ole32 uuid shell32 comctl32 gdi32 user32 advapi32 kernel32)

# What the C and C++ libraries would otherwise supply, for Setup.exe alone: memory
# routines, the stack probe, heap-backed new and delete.
add_library(setup_runtime STATIC ${CMAKE_SOURCE_DIR}/runtime/Memory.cpp
  ${CMAKE_SOURCE_DIR}/runtime/StackProbe.cpp ${CMAKE_SOURCE_DIR}/runtime/CxxSupport.cpp)
target_compile_options(setup_runtime PRIVATE ${SETUP_CODE_OPTIONS} -ffreestanding
  -fno-tree-loop-distribute-patterns -fno-ident)
target_link_libraries(setup_runtime PUBLIC kernel32)

# Resources as an object library, so that test programs embed the same payload.
add_library(setup_resources OBJECT ${SETUP_RC})
target_include_directories(setup_resources PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/res ${GEN_DIR})
add_dependencies(setup_resources generated_resources)

if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(SETUP_ENTRY _SetupEntry)  # cdecl names carry a leading underscore on i686
  # A 32-bit executable is always loaded at its preferred base: no relocations needed.
  set(SETUP_BASE_OPTIONS -Wl,--disable-dynamicbase -Wl,--disable-reloc-section)
else()
  set(SETUP_ENTRY SetupEntry)
  set(SETUP_BASE_OPTIONS "")
endif()
set(SETUP_LINK_OPTIONS -nostdlib -nostartfiles -Wl,-e,${SETUP_ENTRY} -Wl,--gc-sections -s
  ${SETUP_BASE_OPTIONS}
  -Wl,--no-insert-timestamp -Wl,--subsystem,windows:4.0
  -Wl,--major-os-version,4 -Wl,--minor-os-version,0
  -Wl,--major-subsystem-version,4 -Wl,--minor-subsystem-version,0)

add_executable(Setup WIN32 ${CMAKE_SOURCE_DIR}/app/Main.cpp $<TARGET_OBJECTS:setup_resources>)
target_compile_options(Setup PRIVATE ${SETUP_CODE_OPTIONS})
target_link_libraries(Setup PRIVATE setup_core setup_runtime)
target_link_options(Setup PRIVATE ${SETUP_LINK_OPTIONS})
set_target_properties(Setup PROPERTIES OUTPUT_NAME Setup RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
add_dependencies(Setup language_files)
