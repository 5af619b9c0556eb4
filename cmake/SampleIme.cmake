# The stand-in IME modules of the sample payload (resources 210 and 230): real input-method
# DLLs for the architecture being built, without a C runtime, importing only user32
# functions that Windows 95 has, and the same bytes from every build folder.
set(SAMPLE_IME_SOURCE ${CMAKE_SOURCE_DIR}/res/sample-ime)
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(sample_ime_entry _SampleImeEntry@12)
else()
  set(sample_ime_entry SampleImeEntry)
endif()

# add_sample_ime(TARGET FILE_STEM [DEFINITIONS...])
function(add_sample_ime target stem)
  add_library(${target} SHARED ${SAMPLE_IME_SOURCE}/SampleIme.cpp ${SAMPLE_IME_SOURCE}/SampleIme.def
              ${SAMPLE_IME_SOURCE}/SampleIme.rc)
  target_compile_definitions(${target} PRIVATE ${ARGN} WINVER=0x0400 _WIN32_WINNT=0x0400 WIN32_LEAN_AND_MEAN)
  target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR}/res)
  target_compile_options(${target} PRIVATE $<$<COMPILE_LANGUAGE:CXX>:-Os -ffreestanding -fno-exceptions
    -fno-rtti -fno-asynchronous-unwind-tables -fno-stack-protector -fno-tree-loop-distribute-patterns
    -fno-ident -Wall -Wextra>)
  target_link_options(${target} PRIVATE -nostdlib -s -Wl,-e,${sample_ime_entry} -Wl,--enable-stdcall-fixup
    -Wl,--no-insert-timestamp -Wl,--subsystem,windows:4.0 -Wl,--major-os-version,4 -Wl,--minor-os-version,0
    -Wl,--major-subsystem-version,4 -Wl,--minor-subsystem-version,0)
  target_link_libraries(${target} PRIVATE user32)
  set_target_properties(${target} PROPERTIES PREFIX "" OUTPUT_NAME ${stem} SUFFIX ".ime"
    LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/sample-ime RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/sample-ime)
endfunction()

add_sample_ime(sample_ime_9x ZkV4Ivi-9x)
add_sample_ime(sample_ime_nt5 ZkV4Ivi-nt5 SAMPLE_IME_UNICODE)
set(SAMPLE_IME_MODULES "210=$<TARGET_FILE:sample_ime_9x>" "230=$<TARGET_FILE:sample_ime_nt5>")
