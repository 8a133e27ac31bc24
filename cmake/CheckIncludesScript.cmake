# Run by orva_check_includes: ROOT, DIR, ALLOW (patterns separated by "|"), STAMP.
# A quoted include is one of the folder's own files when it names a file of
# the folder, relative to the including file or to the source root.
cmake_minimum_required(VERSION 3.25)
set(std_headers
    algorithm any array atomic bit bitset cassert cctype cerrno cfloat charconv chrono
    cinttypes climits clocale cmath compare complex concepts condition_variable cstddef
    cstdint cstdio cstdlib cstring ctime cwchar cwctype deque exception execution
    filesystem format forward_list fstream functional future initializer_list iomanip
    ios iosfwd iostream istream iterator limits list locale map memory memory_resource
    mutex new numbers numeric optional ostream queue random ranges ratio regex
    scoped_allocator set shared_mutex source_location span sstream stack stdexcept
    stop_token streambuf string string_view syncstream system_error thread tuple
    type_traits typeindex typeinfo unordered_map unordered_set utility valarray
    variant vector version)

string(REPLACE "|" ";" allow_patterns "${ALLOW}")
file(GLOB_RECURSE sources ${DIR}/*.h ${DIR}/*.cpp)
list(FILTER sources EXCLUDE REGEX "/(tests|fuzz|bench)/")
set(problems "")
foreach(source IN LISTS sources)
    file(STRINGS ${source} lines REGEX "^[ \t]*#[ \t]*include")
    get_filename_component(source_dir ${source} DIRECTORY)
    foreach(line IN LISTS lines)
        if(line MATCHES "#[ \t]*include[ \t]*[<\"]([^>\"]+)[>\"]")
            set(header ${CMAKE_MATCH_1})
            set(ok FALSE)
            if(line MATCHES "\"")
                if(EXISTS ${source_dir}/${header})
                    set(ok TRUE)
                elseif(EXISTS ${ROOT}/${header})
                    file(REAL_PATH ${ROOT}/${header} resolved)
                    file(REAL_PATH ${DIR} own_dir)
                    string(FIND "${resolved}" "${own_dir}/" at)
                    if(at EQUAL 0)
                        set(ok TRUE)
                    endif()
                endif()
            endif()
            foreach(pattern IN LISTS allow_patterns)
                if(pattern STREQUAL "std")
                    if(header IN_LIST std_headers)
                        set(ok TRUE)
                    endif()
                elseif(header MATCHES "${pattern}")
                    set(ok TRUE)
                endif()
            endforeach()
            if(NOT ok)
                string(APPEND problems "\n  ${source}: ${header}")
            endif()
        endif()
    endforeach()
endforeach()
if(problems)
    message(FATAL_ERROR "${DIR} includes headers it may not use:${problems}")
endif()
file(TOUCH ${STAMP})
