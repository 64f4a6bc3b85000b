// The classic RFC library interface, in the library's own names and shapes.
// The program sees the library only through this header, so the vendor's
// librfc32 can replace the bundled stand-in without a change to the program.
#ifndef FERNWATCH_RFC_RFC_LIBRARY_H_
#define FERNWATCH_RFC_RFC_LIBRARY_H_

#include <stddef.h>

#if defined(_WIN32) && !defined(_WIN64)
#define SAP_API __stdcall
#else
#define SAP_API
#endif

#if defined(_WIN32)
#if defined(RFCSIM_BUILDING)
#define RFC_EXPORT __declspec(dllexport)
#else
#define RFC_EXPORT __declspec(dllimport)
#endif
#else
#define RFC_EXPORT __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

typedef char rfc_char_t;
typedef unsigned RFC_HANDLE;      // 0 = no connection
typedef unsigned RFC_TYPEHANDLE;  // 0 = not installed
typedef void* ITAB_H;             // null = no table

typedef enum {
  RFC_OK = 0,
  RFC_FAILURE = 1,
  RFC_EXCEPTION = 2,
  RFC_SYS_EXCEPTION = 3,
  RFC_CALL = 4,
  RFC_INTERNAL_COM = 5,
  RFC_CLOSED = 6,
  RFC_RETRY = 7,
  RFC_NO_TID = 8,
  RFC_EXECUTED = 9,
  RFC_SYNCHRONIZE = 10,
  RFC_MEMORY_INSUFFICIENT = 11,
  RFC_VERSION_MISMATCH = 12,
  RFC_NOT_FOUND = 13,
  RFC_CALL_NOT_SUPPORTED = 14,
  RFC_NOT_OWNER = 15,
  RFC_NOT_INITIALIZED = 16,
  RFC_SYSTEM_CALLED = 17,
  RFC_INVALID_HANDLE = 18,
  RFC_INVALID_PARAMETER = 19,
  RFC_CANCELED = 20,
  RFC_CONVERSION = 21,
  RFC_INVALID_PROTOCOL = 22,
  RFC_TIMEOUT = 23
} RFC_RC;

typedef enum { RFC_MODE_R3ONLY = 0, RFC_MODE_CPIC = 1, RFC_MODE_VERSION_3 = 3, RFC_MODE_PARAMETER = 4 } RFC_MODE;

// Type codes of fields and parameters.
enum {
  TYPC = 0,     // character field
  TYPDATE = 1,
  TYPP = 2,
  TYPTIME = 3,
  TYPX = 4,
  TYPTABH = 5,
  TYPNUM = 6,
  TYPFLOAT = 7,
  TYPINT = 8,   // four-byte integer
  TYPINT2 = 9,  // two-byte integer
  TYPINT1 = 10
};
typedef unsigned RFCTYPE;

typedef void(SAP_API RFC_ERROR_HANDLER)(rfc_char_t* operation);
typedef void*(SAP_API RFC_ALLOCATE)(void* old_pointer, size_t size);

typedef struct {
  RFC_ERROR_HANDLER* errorhandler;
  RFC_ALLOCATE* allocate;
} RFC_ENV;

typedef struct {
  rfc_char_t* destination;
  RFC_MODE mode;
  void* connopt;
  rfc_char_t* client;
  rfc_char_t* user;
  rfc_char_t* password;
  rfc_char_t* language;
  int trace;
} RFC_OPTIONS;

typedef struct {
  rfc_char_t* hostname;
  int sysnr;
  rfc_char_t* gateway_host;
  rfc_char_t* gateway_service;
} RFC_CONNOPT_R3ONLY;

typedef struct {
  rfc_char_t* gateway_host;
  rfc_char_t* gateway_service;
} RFC_CONNOPT_CPIC;

typedef struct {
  void* name;
  unsigned nlen;
  unsigned type;  // type code, or a type handle
  unsigned leng;
  void* addr;
} RFC_PARAMETER;

typedef enum { RFC_ITMODE_BYREFERENCE = 0, RFC_ITMODE_BYVALUE = 1, RFC_ITMODE_KEEPALIVE = 2 } RFC_ITMODE;

typedef struct {
  void* name;
  unsigned nlen;
  unsigned type;  // row type handle
  unsigned leng;
  ITAB_H ithandle;
  RFC_ITMODE itmode;
  int newitab;
} RFC_TABLE;

typedef struct {
  rfc_char_t* name;
  RFCTYPE type;
  unsigned length;
  unsigned decimals;
  unsigned offset;
} RFC_TYPE_ELEMENT;

typedef struct {
  rfc_char_t key[33];
  rfc_char_t status[128];
  rfc_char_t message[256];
  rfc_char_t intstat[128];
} RFC_ERROR_INFO;

typedef enum {
  RFC_ERROR_PROGRAM = 101,
  RFC_ERROR_COMMUNICATION = 102,
  RFC_ERROR_LOGON_FAILURE = 103,
  RFC_ERROR_SYSTEM_FAILURE = 104,
  RFC_ERROR_APPLICATION_EXCEPTION = 105,
  RFC_ERROR_RESOURCE = 106,
  RFC_ERROR_PROTOCOL = 107,
  RFC_ERROR_INTERNAL = 108,
  RFC_ERROR_CANCELLED = 109,
  RFC_ERROR_BUSY = 110
} RFC_ERROR_GROUP;

typedef struct {
  RFC_ERROR_GROUP group;
  rfc_char_t key[33];
  rfc_char_t message[513];
} RFC_ERROR_INFO_EX;

RFC_EXPORT void SAP_API RfcEnvironment(RFC_ENV* new_env);
RFC_EXPORT RFC_HANDLE SAP_API RfcOpen(RFC_OPTIONS* options);
RFC_EXPORT RFC_HANDLE SAP_API RfcOpenEx(rfc_char_t* connect_param, RFC_ERROR_INFO_EX* error_info);
RFC_EXPORT RFC_RC SAP_API RfcInstallStructure(rfc_char_t* name, RFC_TYPE_ELEMENT* elements,
                                              unsigned entries, RFC_TYPEHANDLE* type_handle);
RFC_EXPORT RFC_RC SAP_API RfcCall(RFC_HANDLE handle, rfc_char_t* function,
                                  RFC_PARAMETER* exporting, RFC_TABLE* tables);
RFC_EXPORT RFC_RC SAP_API RfcReceive(RFC_HANDLE handle, RFC_PARAMETER* importing,
                                     RFC_TABLE* tables, rfc_char_t** exception);
RFC_EXPORT int SAP_API RfcLastError(RFC_ERROR_INFO* error_info);
RFC_EXPORT void SAP_API RfcClose(RFC_HANDLE handle);
RFC_EXPORT ITAB_H SAP_API ItCreate(rfc_char_t* name, unsigned leng, unsigned occu, unsigned memo);
RFC_EXPORT unsigned SAP_API ItFill(ITAB_H itab);
RFC_EXPORT void* SAP_API ItGetLine(ITAB_H itab, unsigned line);
RFC_EXPORT int SAP_API ItDelete(ITAB_H itab);

#ifdef __cplusplus
}
#endif

#endif  // FERNWATCH_RFC_RFC_LIBRARY_H_
