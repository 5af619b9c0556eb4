# The end-to-end scenarios, one CTest test per row, each in a fresh prefix.

# Wine takes the code page from LC_ALL even when the locale is not built, but then cannot
# give files names outside ASCII (the Chinese Start-menu folder): build the three locales.
set(E2E_LOCALES ${CMAKE_BINARY_DIR}/locales)
set(locale_outputs "")
foreach(locale zh_CN zh_TW en_US)
  set(out ${E2E_LOCALES}/${locale}.UTF-8)
  add_custom_command(OUTPUT ${out}/LC_CTYPE
    COMMAND ${CMAKE_COMMAND} -E make_directory ${E2E_LOCALES}
    COMMAND localedef -i ${locale} -f UTF-8 ${out}
    COMMENT "Building the ${locale}.UTF-8 locale")
  list(APPEND locale_outputs ${out}/LC_CTYPE)
endforeach()
add_custom_target(e2e_locales ALL DEPENDS ${locale_outputs})
add_dependencies(e2e_driver e2e_locales)

# The files the product's payload was built from, to compare installed files with.
load_cache(${SETUP_PRODUCT_DIR} READ_WITH_PREFIX PRODUCT_ SETUP_PAYLOAD_DIR)
if(PRODUCT_SETUP_PAYLOAD_DIR)
  set(E2E_PAYLOAD_DIR ${PRODUCT_SETUP_PAYLOAD_DIR})
else()
  set(E2E_PAYLOAD_DIR ${SETUP_PRODUCT_DIR}/generated/sample-payload)
endif()
set(E2E_SHOTS ${CMAKE_BINARY_DIR}/screenshots)

# test name               language  labels     scenario and its arguments
set(E2E_TABLE
  "second_instance          zh_CN   e2e        second_instance"
  "driver_file_win98        en_US   e2e        driver_file win98"
  "driver_file_winxp        en_US   e2e        driver_file winxp"
  "driver_file_win10        en_US   e2e        driver_file win10"
  "close_question           zh_TW   e2e        close_question"
  "driver_unwritable        zh_CN   e2e        driver_unwritable"
  "install_zh_CN            zh_CN   e2e        install winxp"
  "install_zh_TW            zh_TW   e2e        install nt40"
  "install_en_US            en_US   e2e        install win10"
  "cancel_progress_no       zh_CN   e2e        cancel_progress no"
  "cancel_progress_yes      en_US   e2e        cancel_progress yes"
  "lifecycle_zh_CN          zh_CN   e2e,shots  lifecycle winxp"
  "lifecycle_zh_TW          zh_TW   e2e,shots  lifecycle win98"
  "lifecycle_en_US          en_US   e2e,shots  lifecycle win10"
  "lifecycle_win2003        zh_CN   e2e        lifecycle win2003"
  "double_byte_zh_TW        zh_TW   e2e        double_byte_profile nt40 B35CA55CBB5C"
  "double_byte_zh_CN        zh_CN   e2e        double_byte_profile winxp 815CD55C"
  "double_byte_exe_zh_TW    zh_TW   e2e        double_byte_program B35CA55CBB5C"
  "double_byte_exe_zh_CN    zh_CN   e2e        double_byte_program 815CD55C"
  "release_metadata_zh_CN   zh_CN   e2e        release_metadata"
  "release_metadata_zh_TW   zh_TW   e2e        release_metadata"
  "release_metadata_en_US   en_US   e2e        release_metadata"
  "dll_search_winxp         zh_CN   e2e        dll_search winxp"
  "dll_search_vista         en_US   e2e        dll_search vista"
  "dll_search_no_default    zh_TW   e2e        dll_search win2k no_default_directories"
  "interrupt_install        zh_CN   e2e        interrupt install"
  "interrupt_repair         zh_TW   e2e        interrupt repair"
  "interrupt_uninstall      en_US   e2e        interrupt uninstall"
  "matrix_zh_CN             zh_CN   e2e,matrix matrix win98 winme nt40 win2k winxp win2003 win10"
  "matrix_zh_TW             zh_TW   e2e,matrix matrix win98 winme nt40 win2k winxp win2003 win10"
  "matrix_en_US             en_US   e2e,matrix matrix win98 winme nt40 win2k winxp win2003 win10"
  "texts_fit_zh_CN          zh_CN   e2e        gallery pages"
  "texts_fit_zh_TW          zh_TW   e2e        gallery pages"
  "texts_fit_en_US          en_US   e2e        gallery pages"
  "texts_too_long           en_US   e2e        fit_long_texts")

foreach(row IN LISTS E2E_TABLE)
  string(REGEX REPLACE " +" ";" fields "${row}")
  list(POP_FRONT fields name language labels)
  string(REPLACE "," ";" labels "${labels}")
  set(command ${RUN_IN_PREFIX} ${WINE_TEMPLATE} $<TARGET_FILE:e2e_driver> ${fields})
  if("shots" IN_LIST labels)
    # A display of its own, so that no other test's window covers the pictures.
    set(command ${CMAKE_CURRENT_LIST_DIR}/with-screenshots.sh ${E2E_SHOTS} ${command})
  endif()
  add_test(NAME e2e_${name} COMMAND ${command})
  set_tests_properties(e2e_${name} PROPERTIES FIXTURES_REQUIRED wine_prefix LABELS "${labels}" TIMEOUT 600
    ENVIRONMENT "LC_ALL=${language}.UTF-8;LOCPATH=${E2E_LOCALES};E2E_PRODUCT_DIR=${SETUP_PRODUCT_DIR};E2E_SOURCE_DIR=${CMAKE_SOURCE_DIR};E2E_PAYLOAD_DIR=${E2E_PAYLOAD_DIR}")
endforeach()

# Scenarios of several driver runs in one prefix, with disks and snapshots between them
# (prefix-steps.sh). A tmpfs needs root: without it they are skipped.
set(STEPS ${CMAKE_CURRENT_LIST_DIR}/prefix-steps.sh)
set(E2E_MOUNT_LEDGER ${CMAKE_BINARY_DIR}/e2e-mounts)
add_test(NAME e2e_disks_unmounted COMMAND ${STEPS} cleanup)
set_tests_properties(e2e_disks_unmounted PROPERTIES FIXTURES_CLEANUP e2e_disks LABELS e2e
  ENVIRONMENT "E2E_MOUNT_LEDGER=${E2E_MOUNT_LEDGER}")
# test name          language  steps
set(E2E_STEPS_TABLE
  "disk_full_install   zh_CN   mount:ime:1m disk_full,install_fails,40 grow:ime:16m disk_full,completes,install"
  "disk_full_repair    en_US   disk_full,install mount:ime:1m disk_full,repair_fails,40 grow:ime:16m disk_full,completes,maintenance"
  "disk_full_module    zh_TW   mount:system:256k disk_full,install_fails,10 grow:system:16m disk_full,completes,install"
  "leftovers_winxp     zh_CN   reported_release,winxp snapshot:before cycle,winxp snapshot:1 cycle,winxp snapshot:2 cycle,winxp snapshot:3 same:before:1:${CMAKE_CURRENT_LIST_DIR}/leftovers.allowed same:1:2:${CMAKE_CURRENT_LIST_DIR}/leftovers.allowed same:2:3:${CMAKE_CURRENT_LIST_DIR}/leftovers.allowed"
  "leftovers_win10     en_US   reported_release,win10 snapshot:before cycle,win10 snapshot:1 cycle,win10 snapshot:2 cycle,win10 snapshot:3 same:before:1:${CMAKE_CURRENT_LIST_DIR}/leftovers.allowed same:1:2:${CMAKE_CURRENT_LIST_DIR}/leftovers.allowed same:2:3:${CMAKE_CURRENT_LIST_DIR}/leftovers.allowed")
# A copy with one byte flipped in a payload file, a licence text and the integrity table:
# refused on a clean machine and over an installation, with nothing written either time.
foreach(pair "payload;213" "licence;201" "table;190")
  list(GET pair 0 what)
  list(GET pair 1 number)
  list(APPEND E2E_STEPS_TABLE "damaged_${what}  zh_TW  reported_release,win98 snapshot:clean damage:${number} damaged,win98 snapshot:refused same:clean:refused product:${SETUP_PRODUCT_DIR} install,win98 snapshot:installed damage:${number} damaged,win98 snapshot:after same:installed:after")
endforeach()
# The signed copy (tests/build/check_signed_exe.sh) installs, and flipping a payload byte
# of it still stops the start.
if(SETUP_SIGNED_DIR)
  list(APPEND E2E_STEPS_TABLE "signed  en_US  product:${SETUP_SIGNED_DIR}/product install,winxp snapshot:installed damage:213 damaged,winxp snapshot:after same:installed:after")
endif()
foreach(row IN LISTS E2E_STEPS_TABLE)
  string(REGEX REPLACE " +" ";" fields "${row}")
  list(POP_FRONT fields name language)
  add_test(NAME e2e_${name} COMMAND ${STEPS} ${WINE_TEMPLATE} $<TARGET_FILE:e2e_driver> ${fields})
  set_tests_properties(e2e_${name} PROPERTIES FIXTURES_REQUIRED "wine_prefix;e2e_disks" LABELS e2e
    TIMEOUT 600 SKIP_RETURN_CODE 77
    ENVIRONMENT "E2E_MOUNT_LEDGER=${E2E_MOUNT_LEDGER};LC_ALL=${language}.UTF-8;LOCPATH=${E2E_LOCALES};E2E_PRODUCT_DIR=${SETUP_PRODUCT_DIR};E2E_SOURCE_DIR=${CMAKE_SOURCE_DIR};E2E_PAYLOAD_DIR=${E2E_PAYLOAD_DIR}")
endforeach()
if(SETUP_SIGNED_DIR)
  set_property(TEST e2e_signed APPEND PROPERTY FIXTURES_REQUIRED signed_copy)
endif()
