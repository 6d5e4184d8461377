# The modules of the checkout and the arrows between them, written once: the
# build makes a library of each module and links each program from these
# lines (CMakeLists.txt), and the include check takes its arrows from them
# (tests/structure/include_arrows.cmake).
#
#   quintara_module(NAME FOLDERS DIR... [HEADERS FILE...] [PUBLIC USE...] [PRIVATE USE...])
#       the library quintara_NAME of the sources of its folders; what follows
#       PUBLIC is what its own headers need, the rest stays PRIVATE, so that a
#       wrong arrow does not compile.
#   quintara_module(NAME ELSEWHERE TARGET T FOLDERS DIR...)
#       a module whose folder builds its own targets; T is what others link.
#   quintara_program(NAME FOLDERS DIR... [PUBLIC USE...] PRIVATE USE...)
#       what a program (the window's, each of tools/) links and so may
#       include (PUBLIC: what a program built as a library for its tests
#       hands on).
# A USE that is a module's NAME is that module; any other is a target from
# outside (a package's, or one of the tools').

quintara_module(platform FOLDERS src/platform PRIVATE Threads::Threads)
quintara_module(text FOLDERS src/text PRIVATE Boost::regex ICU::uc ICU::i18n ICU::data)
quintara_module(controls FOLDERS src/controls)
quintara_module(net FOLDERS src/net PUBLIC platform PRIVATE text CURL::libcurl Threads::Threads)
quintara_module(draws FOLDERS src/draws PUBLIC platform PRIVATE text)
quintara_module(sources FOLDERS src/sources
                HEADERS ${PROJECT_BINARY_DIR}/generated/sources/fixed_provider_hosts.h
                PUBLIC platform PRIVATE draws net)
quintara_module(archive FOLDERS src/archive PUBLIC draws SQLiteCpp PRIVATE text)
quintara_module(stats FOLDERS src/stats PUBLIC draws text PRIVATE nlohmann_json::nlohmann_json)
quintara_module(chart FOLDERS src/chart PUBLIC draws stats PRIVATE text)
# Boost.Math's distributions, headers only.
quintara_module(fairness FOLDERS src/fairness PUBLIC draws PRIVATE text Boost::headers nlohmann_json::nlohmann_json)
quintara_module(alerts FOLDERS src/alerts PUBLIC stats PRIVATE nlohmann_json::nlohmann_json)
quintara_module(follow FOLDERS src/follow PUBLIC platform draws sources archive stats alerts)
# The watcher's HTTP face: cpp-httplib serves, OpenSSL hashes.
quintara_module(serve FOLDERS src/serve PUBLIC follow chart
                PRIVATE fairness text nlohmann_json::nlohmann_json PkgConfig::HTTPLIB OpenSSL::Crypto)
# The pushes: libcurl through the net module posts them, OpenSSL's HMAC signs.
quintara_module(notify FOLDERS src/notify PUBLIC alerts
                PRIVATE net text CURL::libcurl nlohmann_json::nlohmann_json OpenSSL::Crypto Threads::Threads)
quintara_module(skin ELSEWHERE TARGET quintara_carried_skins FOLDERS src/skin src/skin/maker)
quintara_module(shell FOLDERS src/shell src/shell/startup
                HEADERS ${PROJECT_BINARY_DIR}/generated/shell/fixed_settings.h
                PUBLIC controls platform draws sources stats archive alerts follow
                PRIVATE text net skin ${CMAKE_DL_LIBS})
# libpng writes the chart's pictures band by band.
quintara_module(qt FOLDERS src/shell/qt/window src/shell/qt/chart src/shell/qt/alerts src/shell/qt/fairness
                           src/shell/qt/platform src/shell/qt/common
                PUBLIC shell net stats chart fairness Qt6::Widgets quintara_qt_strict PNG::PNG)
quintara_module(tool_cli FOLDERS tools/common PUBLIC draws CLI11::CLI11 PRIVATE archive)

quintara_program(window FOLDERS src/shell/qt PRIVATE qt)
quintara_program(archive FOLDERS tools/archive PRIVATE archive draws tool_cli nlohmann_json::nlohmann_json)
quintara_program(chart FOLDERS tools/chart PRIVATE qt chart stats draws tool_cli)
quintara_program(fetch FOLDERS tools/fetch PRIVATE net platform tool_cli)
quintara_program(provider FOLDERS tools/provider PUBLIC PkgConfig::HTTPLIB Threads::Threads
                 PRIVATE draws text tool_cli)
quintara_program(stats FOLDERS tools/stats PRIVATE stats fairness draws archive tool_cli text)
quintara_program(watch FOLDERS tools/watch PRIVATE follow serve notify tool_cli nlohmann_json::nlohmann_json)
