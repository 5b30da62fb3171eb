# cmake -DCUPSTESTPPD=... -DPPD=... [-DSERVERBIN=...] -P CheckConformance.cmake
# Passes when cupstestppd passes the file and reports no warning other than the one the option
# names make unavoidable (KTCV_Cover is a prefix of KTCV_CoverMedia and KTCV_CoverTray).
# SERVERBIN: the folder whose filter/ holds the filters the PPD names, instead of the system's.
if(SERVERBIN)
  set(ENV{CUPS_SERVERBIN} ${SERVERBIN})
endif()
execute_process(COMMAND ${CUPSTESTPPD} ${PPD}
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
message("${output}")
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cupstestppd rejects ${PPD} (status ${status})")
endif()
string(REGEX MATCHALL "WARN[^\n]*" warnings "${output}")
list(FILTER warnings EXCLUDE REGEX "WARN +KTCV_Cover shares a common prefix with KTCV_Cover(Media|Tray)$")
if(warnings)
  message(FATAL_ERROR "unexpected cupstestppd warnings for ${PPD}: ${warnings}")
endif()
