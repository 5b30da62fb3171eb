#pragma once
// The server client library: connection, tickets, attributes, devices, jobs, localization, features
// and colour settings of one Corvel print server, spoken to as an IPP printer over libcups.
//
// Every call returns a QuillonResult (0 success, a negative code otherwise) and takes as its last
// argument a ticket or null. With null the call blocks until done and its out-values are filled
// on return. With a ticket the request runs on a worker thread owned by the ticket; the call
// returns 0 when the request was started, and the out-values are filled on the caller's thread by
// the NB_checkTicket or NB_block that first sees the request finished. Every array and string the
// library returns is one block: quillon_free releases it with everything it points to.
#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

// Result codes. Callers test zero against non-zero; the other codes tell a reader of a log why.
typedef int16_t QuillonResult;
enum {
  QUILLON_RESULT_OK = 0,
  QUILLON_RESULT_BAD_PARAMETER = -1,    // null or unknown handle, session or ticket
  QUILLON_RESULT_NOT_CONNECTED = -2,    // the handle's connection was closed
  QUILLON_RESULT_CONNECT_FAILED = -3,   // no connection could be made to the host
  QUILLON_RESULT_TIMED_OUT = -4,        // the server did not answer within the time-out
  QUILLON_RESULT_SERVER_ERROR = -5,     // the server answered with an error or an unreadable answer
  QUILLON_RESULT_NOT_FOUND = -6,        // no such attribute, string, profile or value
  QUILLON_RESULT_NO_MEMORY = -7,        // an allocation failed
  QUILLON_RESULT_CANCELLED = -8,        // the request was cancelled with NB_cancel
  QUILLON_RESULT_NOT_IMPLEMENTED = -9,  // the call is not available
  QUILLON_RESULT_END_OF_LIST = -10,     // a key or value iteration has no further entry
  QUILLON_RESULT_PENDING = -11          // the ticket's request has not finished yet
};

// Types and flags of the attribute interface; values always travel as strings.
typedef uint8_t QuillonAttributeType;
enum { QUILLON_ATTR_TYPE_STRING = 0, QUILLON_ATTR_TYPE_INTEGER = 1, QUILLON_ATTR_TYPE_FLOAT = 2 };
typedef uint8_t QuillonAttributeFlag;
enum {
  QUILLON_ATTR_FLAG_CURRENT = 1,
  QUILLON_ATTR_FLAG_FACTORY = 2,
  QUILLON_ATTR_FLAG_NOT_INSTALLED = 4
};

struct QuillonServerState;

// A connection. hostName is non-null while connected; the rest belongs to the library.
typedef struct QuillonServerHandle {
  char* hostName;
  struct QuillonServerState* state;
} QuillonServerHandle;

// A non-blocking ticket: 8 bytes, from quillon_malloc(8) or embedded (zeroed) in the caller's
// object. The library fills it when a request starts; an all-zero ticket has no request.
typedef struct QuillonNBTicket {
  int32_t ID;
  int32_t server_handle;  // serial number of the connection the request belongs to
} QuillonNBTicket;

// A session, filled by the open-session calls and passed by address to every later call.
typedef struct QuillonSessionHandle {
  int32_t secure_handle;
  int32_t server_handle;
} QuillonSessionHandle;

// One input tray of a device.
typedef struct QuillonTrayInfo {
  char* tray_name;
  char* tray_alias;
  int32_t tray_number;
  int32_t duplex;
  char** media_name;  // num_media entries each
  char** media_alias;
  int32_t* media_duplex;
  int32_t num_media;
  int32_t alignment_A;
  int32_t alignment_B;
  int32_t alignment_C;
  int32_t duplex_alignment_A;
  int32_t duplex_alignment_B;
  int32_t duplex_alignment_C;
  int64_t alignment_timestamp;
  int64_t duplex_alignment_timestamp;
} QuillonTrayInfo;

// Size of the key buffer that CLDF_getCurrentKey fills (terminator included).
enum { QUILLON_KEY_BUFFER_SIZE = 256 };

// --- Connection -----------------------------------------------------------------------------

// Connects to host: a host name or address with an optional ":port" (631 when absent), or an
// ipp:// URI (resource "/ipp/print" when it has none), and checks that the printer answers.
// *handle gets a new handle (released by INIT_disconnectFromServer) on success, else is left.
// connectSeconds bounds the whole connect, answer included (below 1: 30 seconds). userName,
// password, port (0: from host), options, protocol ("trpc" or null), connectTimeout,
// requestTimeout and protocolVersion are accepted as the callers pass them; nonBlocking 1 asks
// for a ticket to be given.
QuillonResult INIT_connect(const char* host, const char* userName, const char* password,
                           int32_t port, int32_t options, const char* protocol,
                           int32_t connectTimeout, int32_t requestTimeout, int32_t connectSeconds,
                           int32_t protocolVersion, int32_t nonBlocking,
                           QuillonServerHandle** handle, QuillonNBTicket* ticket);
// Time-out in seconds for each later request of the handle (1 or more; 30 until set).
QuillonResult INIT_setTimeout(QuillonServerHandle* handle, int32_t seconds,
                              QuillonNBTicket* ticket);
// 0 when handle is a live, connected handle of this library.
QuillonResult INIT_handleIsValid(QuillonServerHandle* handle, QuillonNBTicket* ticket);
// Closes the connection and releases the handle and every session opened on it.
QuillonResult INIT_disconnectFromServer(QuillonServerHandle* handle, QuillonNBTicket* ticket);

// --- Tickets ----------------------------------------------------------------------------------

// Progress 0 to 100.0; at 100.0 the request is done and *result is its result (the out-values of
// the call are filled then). phase gets 0 while pending and 1 when done. An all-zero ticket is
// done with result 0. Any out pointer may be null.
QuillonResult NB_checkTicket(QuillonNBTicket* ticket, float* progress, int32_t* phase,
                             QuillonResult* result);
// Waits until the request is done (out-values filled).
QuillonResult NB_block(QuillonNBTicket* ticket);
// Stops the request and waits for its worker; the result becomes QUILLON_RESULT_CANCELLED and
// the out-values are never filled. Returns promptly even when the server does not answer.
QuillonResult NB_cancel(QuillonNBTicket* ticket);
// Cancels a pending request, then releases the ticket itself (memory from quillon_malloc).
QuillonResult NB_destroy(QuillonNBTicket* ticket);

// Zeroed memory for a ticket; null on failure.
void* quillon_malloc(size_t size);
// Releases a block from quillon_malloc or any array or string the library returned; null and
// unknown pointers are ignored.
void quillon_free(void* block);
// Ends every request, connection and session. Handles stay readable (hostName null); arrays and
// strings already handed out stay the caller's to free. Called once, last.
void quillon_unload(void);

// --- Attributes -------------------------------------------------------------------------------

// Opens a session over the printer's attributes as they are now. The session handle is filled
// at once; the attributes are read by the request.
QuillonResult ATTR_openSession(QuillonServerHandle* handle, QuillonSessionHandle* session,
                               QuillonNBTicket* ticket);
QuillonResult ATTR_closeSession(QuillonSessionHandle* session, QuillonNBTicket* ticket);
// The values of one attribute as strings (integers and enums in decimal), their types in a
// parallel array, and their count. Scope 0 is the printer. QUILLON_RESULT_NOT_FOUND when absent.
QuillonResult ATTR_getAttributeValues(QuillonSessionHandle* session, int32_t scope,
                                      const char* name, char*** values,
                                      QuillonAttributeType** types, int32_t* count,
                                      QuillonNBTicket* ticket);
// The scopes below scope: always the one printer scope, 0.
QuillonResult ATTR_getScopes(QuillonSessionHandle* session, int32_t scope, int32_t** scopes,
                             int32_t* count, QuillonNBTicket* ticket);
// Every attribute of the scope: its first value, its name and its type, in parallel arrays.
QuillonResult ATTR_getAttributeKeys(QuillonSessionHandle* session, int32_t scope, int32_t flags,
                                    char*** values, char*** names, QuillonAttributeType** types,
                                    int32_t* count, QuillonNBTicket* ticket);

// --- Localization -----------------------------------------------------------------------------

// Opens a strings session for locale (empty or null: the printer's configured language) and
// reads the printer's strings file for it; a printer without a readable file gives a session
// without strings (result 0). The encoding is accepted as given.
QuillonResult LOCL_openSession(QuillonServerHandle* handle, int32_t index, const char* locale,
                               const char* encoding, QuillonSessionHandle* session,
                               QuillonNBTicket* ticket);
QuillonResult LOCL_closeSession(QuillonSessionHandle* session, QuillonNBTicket* ticket);
QuillonResult LOCL_getDefaultLocale(QuillonServerHandle* handle, char** locale,
                                    QuillonNBTicket* ticket);
QuillonResult LOCL_getDefaultEncoding(QuillonServerHandle* handle, char** encoding,
                                      QuillonNBTicket* ticket);
QuillonResult LOCL_getLocales(QuillonServerHandle* handle, char*** locales, int32_t* count,
                              QuillonNBTicket* ticket);
QuillonResult LOCL_getEncodings(QuillonServerHandle* handle, char*** encodings, int32_t* count,
                                QuillonNBTicket* ticket);
// The localized text of "context.key" (context given) or of "key" (context null or empty).
QuillonResult LOCL_getStringWithContext(QuillonSessionHandle* session, const char* context,
                                        const char* key, char** text, QuillonNBTicket* ticket);
// Reads the printer's strings file for the session's locale again; non-zero when it could not.
QuillonResult LOCL_cacheStrings(QuillonSessionHandle* session, QuillonNBTicket* ticket);

// --- Devices and jobs -------------------------------------------------------------------------

// One device per printer.
QuillonResult DEV_getNumDevices(QuillonServerHandle* handle, int32_t* count,
                                QuillonNBTicket* ticket);
// The device's trays as an array of pointers to QuillonTrayInfo records.
QuillonResult DEV_getTrayInfo(QuillonServerHandle* handle, int32_t device, QuillonTrayInfo*** trays,
                              int32_t* count, QuillonNBTicket* ticket);
// The state message and the state reasons (comma separated); either may come back null.
QuillonResult DEV_getMessages(QuillonServerHandle* handle, int32_t device, char** message,
                              char** reasons, QuillonNBTicket* ticket);
QuillonResult DEV_getPrettyDeviceNameList(QuillonServerHandle* handle, char*** names,
                                          int32_t* count, QuillonNBTicket* ticket);
QuillonResult JOBM_openSession(QuillonServerHandle* handle, QuillonSessionHandle* session,
                               QuillonNBTicket* ticket);
QuillonResult JOBM_closeSession(QuillonSessionHandle* session, QuillonNBTicket* ticket);
// The number of jobs not completed yet.
QuillonResult JOBM_getNumJobs(QuillonSessionHandle* session, int32_t* count,
                              QuillonNBTicket* ticket);

// --- Features ---------------------------------------------------------------------------------

// The server's features as parallel arrays of names and values.
QuillonResult FEAT_getFeatureList(QuillonServerHandle* handle, char*** names, char*** values,
                                  int32_t* count, QuillonNBTicket* ticket);

// --- Colour -----------------------------------------------------------------------------------

QuillonResult COLR_openSession(QuillonServerHandle* handle, const char* queueName,
                               const char* settingsSet, const char* userName, const char* locale,
                               const char* application, const char* password,
                               QuillonSessionHandle* session, QuillonNBTicket* ticket);
QuillonResult COLR_closeSession(QuillonSessionHandle* session, QuillonNBTicket* ticket);
// The id of the ICC profile with that description.
QuillonResult ICCM_mapDescriptionToProfile(QuillonSessionHandle* session, const char* description,
                                           char** profileId, QuillonNBTicket* ticket);
// The name of the device link from sourceId to destId, when the server has one.
QuillonResult ICCM_doesDeviceLinkProfileExist(QuillonSessionHandle* session, const char* sourceId,
                                              const char* destId, int32_t maxAge, char** name,
                                              QuillonNBTicket* ticket);
QuillonResult CLDF_openSession(QuillonServerHandle* handle, const char* queueName,
                               const char* settingsSet, const char* userName, const char* locale,
                               const char* password, int32_t mode, QuillonSessionHandle* session,
                               QuillonNBTicket* ticket);
QuillonResult CLDF_closeSession(QuillonSessionHandle* session, QuillonNBTicket* ticket);
// Moves to the next colour keyword (the first on the first call); QUILLON_RESULT_END_OF_LIST
// after the last.
QuillonResult CLDF_setNextKey(QuillonSessionHandle* session, QuillonNBTicket* ticket);
// Copies the current keyword into key (QUILLON_KEY_BUFFER_SIZE bytes, cut to fit).
QuillonResult CLDF_getCurrentKey(QuillonSessionHandle* session, char* key, QuillonNBTicket* ticket);
// The current keyword's default value (QUILLON_RESULT_NOT_FOUND when it has none).
QuillonResult CLDF_getDefaultValue(QuillonSessionHandle* session, char** value,
                                   QuillonNBTicket* ticket);
// The current keyword's values one by one; QUILLON_RESULT_END_OF_LIST after the last.
QuillonResult CLDF_getNextValue(QuillonSessionHandle* session, char** value,
                                QuillonNBTicket* ticket);

#ifdef __cplusplus
}
#endif
