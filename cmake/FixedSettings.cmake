# The fixed settings: where the program finds its providers and addresses.
# Every host defaults to QUINTARA_PROVIDER, the bundled provider on loopback;
# a packager points any of them elsewhere at configure time, for example
#   cmake -B build -DQUINTARA_PROVIDER=draws.example.net:80
#   cmake -B build -DQUINTARA_API_HOST=api.example.net
set(QUINTARA_PROVIDER "127.0.0.1:18350" CACHE STRING "host:port of every provider unless overridden")

set(quintara_hosts HISTORY_HOST API_HOST LIST_HOST FLASH_HOST VERSION_HOST BANNER_HOST)
foreach(host IN LISTS quintara_hosts)
  set(QUINTARA_${host} "" CACHE STRING "host[:port]; empty: QUINTARA_PROVIDER")
  if(QUINTARA_${host} STREQUAL "")
    set(QUINTARA_${host}_VALUE "${QUINTARA_PROVIDER}")
  else()
    set(QUINTARA_${host}_VALUE "${QUINTARA_${host}}")
  endif()
endforeach()

set(QUINTARA_SITE_ADDRESS "" CACHE STRING "the maker's web site; empty: the provider's home page")
set(QUINTARA_VIEWER_ADDRESS "" CACHE STRING "start page of the hidden HTML viewer; empty: the provider's")
set(QUINTARA_SITE_ADDRESS_VALUE "${QUINTARA_SITE_ADDRESS}")
if(QUINTARA_SITE_ADDRESS_VALUE STREQUAL "")
  set(QUINTARA_SITE_ADDRESS_VALUE "http://${QUINTARA_PROVIDER}/")
endif()
set(QUINTARA_VIEWER_ADDRESS_VALUE "${QUINTARA_VIEWER_ADDRESS}")
if(QUINTARA_VIEWER_ADDRESS_VALUE STREQUAL "")
  set(QUINTARA_VIEWER_ADDRESS_VALUE "http://${QUINTARA_PROVIDER}/viewer.html")
endif()

configure_file(${CMAKE_CURRENT_LIST_DIR}/fixed_settings.h.in
               ${PROJECT_BINARY_DIR}/generated/shell/fixed_settings.h @ONLY)
# The provider hosts belong to the sources: the watcher has them without the
# window's shell.
configure_file(${CMAKE_CURRENT_LIST_DIR}/fixed_provider_hosts.h.in
               ${PROJECT_BINARY_DIR}/generated/sources/fixed_provider_hosts.h @ONLY)
