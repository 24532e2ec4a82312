# SPDX-License-Identifier: GPL-3.0-or-later
# The web page in Debian's Chromium, headless. web_build builds the page from
# the WebAssembly core in VANTREL_WASM_BUILD, type-checking it against the
# contract generated with that core (a page that no longer fits it fails
# here); every test reports a skip where that core, node, the npm packages or
# Chromium is missing. They run one at a time (each starts a browser) and not
# in the sanitizer build, which does not build the page.
set(VANTREL_WASM_BUILD "${CMAKE_SOURCE_DIR}/build-wasm" CACHE PATH "The WebAssembly build folder")
set(VANTREL_WEB_TESTS open_edit documents saving session_views panels recipes find scenarios drafts offline accessibility narrow benchmark)

set(web_environment
    "VANTREL_WASM_DIR=${VANTREL_WASM_BUILD}"
    "VANTREL_WEB_DIST=${CMAKE_BINARY_DIR}/web-dist"
    "VANTREL_CLI=$<TARGET_FILE:vantrel-cli>")
add_test(NAME web_build COMMAND ${CMAKE_SOURCE_DIR}/web/tools/build-for-tests)
set_tests_properties(web_build PROPERTIES ENVIRONMENT "${web_environment}" SKIP_RETURN_CODE 77
                     TIMEOUT 600 RUN_SERIAL TRUE FIXTURES_SETUP web_page)
add_test(NAME web_lint COMMAND ${CMAKE_SOURCE_DIR}/web/tools/lint)
set_tests_properties(web_lint PROPERTIES ENVIRONMENT "${web_environment}" SKIP_RETURN_CODE 77
                     TIMEOUT 300 RUN_SERIAL TRUE FIXTURES_REQUIRED web_page)
foreach(name IN LISTS VANTREL_WEB_TESTS)
    add_test(NAME web_${name}
             COMMAND ${CMAKE_SOURCE_DIR}/web/tools/run-test ${CMAKE_SOURCE_DIR}/web/tests/${name}.test.mjs)
    set_tests_properties(web_${name} PROPERTIES ENVIRONMENT "${web_environment}" SKIP_RETURN_CODE 77
                         TIMEOUT 300 RUN_SERIAL TRUE FIXTURES_REQUIRED web_page)
endforeach()
