// Every call answers "not implemented" until its request is written.
#include <cstdlib>

#include "q10/q10.h"

extern "C" QuillonResult INIT_connect(const char* host, const char* userName, const char* password,
                                      int32_t port, int32_t options, const char* protocol,
                                      int32_t connectTimeout, int32_t requestTimeout,
                                      int32_t attempts, int32_t protocolVersion,
                                      int32_t nonBlocking, QuillonServerHandle** handle,
                                      QuillonNBTicket* ticket) {
  return QUILLON_RESULT_NOT_IMPLEMENTED;
}
extern "C" QuillonResult INIT_setTimeout(QuillonServerHandle* handle, int32_t seconds,
                                         QuillonNBTicket* ticket) {
  return QUILLON_RESULT_NOT_IMPLEMENTED;
}
extern "C" QuillonResult INIT_handleIsValid(QuillonServerHandle* handle, QuillonNBTicket* ticket) {
  return QUILLON_RESULT_NOT_IMPLEMENTED;
}
extern "C" QuillonResult INIT_disconnectFromServer(QuillonServerHandle* handle,
                                                   QuillonNBTicket* ticket) {
  return QUILLON_RESULT_NOT_IMPLEMENTED;
}
extern "C" QuillonResult NB_checkTicket(QuillonNBTicket* ticket, float* progress, int32_t* phase,
                                        QuillonResult* result) {
  return QUILLON_RESULT_NOT_IMPLEMENTED;
}
extern "C" QuillonResult NB_block(QuillonNBTicket* ticket) {
  return QUILLON_RESULT_NOT_IMPLEMENTED;
}
extern "C" QuillonResult NB_cancel(QuillonNBTicket* ticket) {
  return QUILLON_RESULT_NOT_IMPLEMENTED;
}
extern "C" QuillonResult NB_destroy(QuillonNBTicket* ticket) {
  return QUILLON_RESULT_NOT_IMPLEMENTED;
}
extern "C" void* quillon_malloc(size_t size) { return std::calloc(1, size); }
extern "C" void quillon_free(void* block) { std::free(block); }
extern "C" void quillon_unload(void) {}
extern "C" QuillonResult ATTR_openSession(QuillonServerHandle* handle,
                                          QuillonSessionHandle* session, QuillonNBTicket* ticket) {
  return QUILLON_RESULT_NOT_IMPLEMENTED;
}
extern "C" QuillonResult ATTR_closeSession(QuillonSessionHandle* session, QuillonNBTicket* ticket) {
  return QUILLON_RESULT_NOT_IMPLEMENTED;
}
extern "C" QuillonResult ATTR_getAttributeValues(QuillonSessionHandle* session, int32_t scope,
                                                 const char* name, char*** values,
                                                 QuillonAttributeType** types, int32_t* count,
                                                 QuillonNBTicket* ticket) {
  return QUILLON_RESULT_NOT_IMPLEMENTED;
}
extern "C" QuillonResult ATTR_getScopes(QuillonSessionHandle* session, int32_t scope,
                                        int32_t** scopes, int32_t* count, QuillonNBTicket* ticket) {
  return QUILLON_RESULT_NOT_IMPLEMENTED;
}
extern "C" QuillonResult ATTR_getAttributeKeys(QuillonSessionHandle* session, int32_t scope,
                                               int32_t flags, char*** values, char*** names,
                                               QuillonAttributeType** types, int32_t* count,
                                               QuillonNBTicket* ticket) {
  return QUILLON_RESULT_NOT_IMPLEMENTED;
}
extern "C" QuillonResult LOCL_openSession(QuillonServerHandle* handle, int32_t index,
                                          const char* locale, const char* encoding,
                                          QuillonSessionHandle* session, QuillonNBTicket* ticket) {
  return QUILLON_RESULT_NOT_IMPLEMENTED;
}
extern "C" QuillonResult LOCL_closeSession(QuillonSessionHandle* session, QuillonNBTicket* ticket) {
  return QUILLON_RESULT_NOT_IMPLEMENTED;
}
extern "C" QuillonResult LOCL_getDefaultLocale(QuillonServerHandle* handle, char** locale,
                                               QuillonNBTicket* ticket) {
  return QUILLON_RESULT_NOT_IMPLEMENTED;
}
extern "C" QuillonResult LOCL_getDefaultEncoding(QuillonServerHandle* handle, char** encoding,
                                                 QuillonNBTicket* ticket) {
  return QUILLON_RESULT_NOT_IMPLEMENTED;
}
extern "C" QuillonResult LOCL_getLocales(QuillonServerHandle* handle, char*** locales,
                                         int32_t* count, QuillonNBTicket* ticket) {
  return QUILLON_RESULT_NOT_IMPLEMENTED;
}
extern "C" QuillonResult LOCL_getEncodings(QuillonServerHandle* handle, char*** encodings,
                                           int32_t* count, QuillonNBTicket* ticket) {
  return QUILLON_RESULT_NOT_IMPLEMENTED;
}
extern "C" QuillonResult LOCL_getStringWithContext(QuillonSessionHandle* session,
                                                   const char* context, const char* key,
                                                   char** text, QuillonNBTicket* ticket) {
  return QUILLON_RESULT_NOT_IMPLEMENTED;
}
extern "C" QuillonResult LOCL_cacheStrings(QuillonSessionHandle* session, QuillonNBTicket* ticket) {
  return QUILLON_RESULT_NOT_IMPLEMENTED;
}
extern "C" QuillonResult DEV_getNumDevices(QuillonServerHandle* handle, int32_t* count,
                                           QuillonNBTicket* ticket) {
  return QUILLON_RESULT_NOT_IMPLEMENTED;
}
extern "C" QuillonResult DEV_getTrayInfo(QuillonServerHandle* handle, int32_t device,
                                         QuillonTrayInfo*** trays, int32_t* count,
                                         QuillonNBTicket* ticket) {
  return QUILLON_RESULT_NOT_IMPLEMENTED;
}
extern "C" QuillonResult DEV_getMessages(QuillonServerHandle* handle, int32_t device,
                                         char** message, char** reasons, QuillonNBTicket* ticket) {
  return QUILLON_RESULT_NOT_IMPLEMENTED;
}
extern "C" QuillonResult DEV_getPrettyDeviceNameList(QuillonServerHandle* handle, char*** names,
                                                     int32_t* count, QuillonNBTicket* ticket) {
  return QUILLON_RESULT_NOT_IMPLEMENTED;
}
extern "C" QuillonResult JOBM_openSession(QuillonServerHandle* handle,
                                          QuillonSessionHandle* session, QuillonNBTicket* ticket) {
  return QUILLON_RESULT_NOT_IMPLEMENTED;
}
extern "C" QuillonResult JOBM_closeSession(QuillonSessionHandle* session, QuillonNBTicket* ticket) {
  return QUILLON_RESULT_NOT_IMPLEMENTED;
}
extern "C" QuillonResult JOBM_getNumJobs(QuillonSessionHandle* session, int32_t* count,
                                         QuillonNBTicket* ticket) {
  return QUILLON_RESULT_NOT_IMPLEMENTED;
}
extern "C" QuillonResult FEAT_getFeatureList(QuillonServerHandle* handle, char*** names,
                                             char*** values, int32_t* count,
                                             QuillonNBTicket* ticket) {
  return QUILLON_RESULT_NOT_IMPLEMENTED;
}
extern "C" QuillonResult COLR_openSession(QuillonServerHandle* handle, const char* queueName,
                                          const char* settingsSet, const char* userName,
                                          const char* locale, const char* application,
                                          const char* password, QuillonSessionHandle* session,
                                          QuillonNBTicket* ticket) {
  return QUILLON_RESULT_NOT_IMPLEMENTED;
}
extern "C" QuillonResult COLR_closeSession(QuillonSessionHandle* session, QuillonNBTicket* ticket) {
  return QUILLON_RESULT_NOT_IMPLEMENTED;
}
extern "C" QuillonResult ICCM_mapDescriptionToProfile(QuillonSessionHandle* session,
                                                      const char* description, char** profileId,
                                                      QuillonNBTicket* ticket) {
  return QUILLON_RESULT_NOT_IMPLEMENTED;
}
extern "C" QuillonResult ICCM_doesDeviceLinkProfileExist(QuillonSessionHandle* session,
                                                         const char* sourceId, const char* destId,
                                                         int32_t maxAge, char** name,
                                                         QuillonNBTicket* ticket) {
  return QUILLON_RESULT_NOT_IMPLEMENTED;
}
extern "C" QuillonResult CLDF_openSession(QuillonServerHandle* handle, const char* queueName,
                                          const char* settingsSet, const char* userName,
                                          const char* locale, const char* password, int32_t mode,
                                          QuillonSessionHandle* session, QuillonNBTicket* ticket) {
  return QUILLON_RESULT_NOT_IMPLEMENTED;
}
extern "C" QuillonResult CLDF_closeSession(QuillonSessionHandle* session, QuillonNBTicket* ticket) {
  return QUILLON_RESULT_NOT_IMPLEMENTED;
}
extern "C" QuillonResult CLDF_setNextKey(QuillonSessionHandle* session, QuillonNBTicket* ticket) {
  return QUILLON_RESULT_NOT_IMPLEMENTED;
}
extern "C" QuillonResult CLDF_getCurrentKey(QuillonSessionHandle* session, char* key,
                                            QuillonNBTicket* ticket) {
  return QUILLON_RESULT_NOT_IMPLEMENTED;
}
extern "C" QuillonResult CLDF_getDefaultValue(QuillonSessionHandle* session, char** value,
                                              QuillonNBTicket* ticket) {
  return QUILLON_RESULT_NOT_IMPLEMENTED;
}
extern "C" QuillonResult CLDF_getNextValue(QuillonSessionHandle* session, char** value,
                                           QuillonNBTicket* ticket) {
  return QUILLON_RESULT_NOT_IMPLEMENTED;
}
