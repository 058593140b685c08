# Signs one Windows program with Authenticode, in place (cmake -P Sign.cmake FILE):
# with the key and certificate in PKCS12, whose password is the first line of
# PASSWORD_FILE, and a time stamp from TIMESTAMP_URL when it is set.  On failure
# FILE is left as it was and the message says what went wrong.
math(EXPR _last "${CMAKE_ARGC} - 1")
set(FILE "${CMAKE_ARGV${_last}}")
if(NOT EXISTS "${PKCS12}")
    message(FATAL_ERROR "Cannot sign: the key TESSIVANE_SIGN_PKCS12 (${PKCS12}) does not exist")
endif()
if(NOT EXISTS "${PASSWORD_FILE}")
    message(FATAL_ERROR "Cannot sign: the password file TESSIVANE_SIGN_PASSWORD_FILE (${PASSWORD_FILE}) does not exist")
endif()
set(_timestamp "")
if(TIMESTAMP_URL)
    set(_timestamp -ts "${TIMESTAMP_URL}")
endif()
file(REMOVE "${FILE}.signed")
execute_process(COMMAND "${OSSLSIGNCODE}" sign -pkcs12 "${PKCS12}" -readpass "${PASSWORD_FILE}" -h sha256
                        -n Tessivane ${_timestamp} -in "${FILE}" -out "${FILE}.signed"
                RESULT_VARIABLE _result OUTPUT_VARIABLE _output ERROR_VARIABLE _output)
if(NOT _result EQUAL 0)
    file(REMOVE "${FILE}.signed")
    if(_output MATCHES "PKCS#?12|[Pp]assword|mac verify")
        message(FATAL_ERROR "Cannot sign ${FILE}: ${PKCS12} does not open with the password in ${PASSWORD_FILE} "
                            "(a wrong password, or not a PKCS#12 file)\n${_output}")
    endif()
    message(FATAL_ERROR "Cannot sign ${FILE}: osslsigncode failed\n${_output}")
endif()
file(RENAME "${FILE}.signed" "${FILE}")
