// ORVCatalogKeys.h - every catalog message the library makes, with its parameter count.
//
// A message is made only from an entry of this table, through ORVMakeCatalogMessage,
// which checks the number of parameters at compile time. A test reads the shipped
// catalogs for every entry (the key must be there with exactly that many parameters)
// and fails on any catalog key written as a literal elsewhere in the sources. To add a
// message: one ORV_CATALOG_KEY line here, the text in catalogs/en/<CATALOG>.msg.
#pragma once

#include "ORVParamNLSMsgBldrCtlg.h"

struct ORVCatalogKey {
  const char* _Catalog;
  const char* _Key;
  int _ParameterCount;
};

// ORV_CATALOG_KEY(catalog, key, parameter count) defines the entry catalog_key.
#define ORV_CATALOG_KEYS(ORV_CATALOG_KEY)                                             \
  /* Command lines: the argument, names or command; bounds and lengths as numbers. */ \
  ORV_CATALOG_KEY(ORVBC, 0001, 1)                                                     \
  ORV_CATALOG_KEY(ORVBC, 0002, 1)                                                     \
  ORV_CATALOG_KEY(ORVBC, 0003, 1)                                                     \
  ORV_CATALOG_KEY(ORVBC, 0004, 1)                                                     \
  ORV_CATALOG_KEY(ORVBC, 0005, 2)                                                     \
  ORV_CATALOG_KEY(ORVBC, 0006, 3)                                                     \
  ORV_CATALOG_KEY(ORVBC, 0007, 2)                                                     \
  ORV_CATALOG_KEY(ORVBC, 0008, 2)                                                     \
  ORV_CATALOG_KEY(ORVBC, 0009, 1)                                                     \
  ORV_CATALOG_KEY(ORVBC, 0010, 2)                                                     \
  ORV_CATALOG_KEY(ORVBC, 0011, 3)                                                     \
  ORV_CATALOG_KEY(ORVBC, 0012, 2)                                                     \
  /* The request of every command-line failure: the fragment at fault. */             \
  ORV_CATALOG_KEY(ORVBC, 0013, 1)                                                     \
  ORV_CATALOG_KEY(ORVBC, 0015, 1)                                                     \
  ORV_CATALOG_KEY(ORVBC, 0016, 4)                                                     \
  ORV_CATALOG_KEY(ORVBC, 0018, 2)                                                     \
  ORV_CATALOG_KEY(ORVBC, 0019, 3)                                                     \
  ORV_CATALOG_KEY(ORVBC, 0020, 3)                                                     \
  /* Merging modes: the number read, the accepted modes. */                           \
  ORV_CATALOG_KEY(ORVBC, 0023, 2)                                                     \
  /* The last-error fallback: a result code without error record. */                  \
  ORV_CATALOG_KEY(ORVBC, 0100, 0)                                                     \
  /* The usage line of the help option: its names. */                                 \
  ORV_CATALOG_KEY(ORVBC, 0101, 1)                                                     \
  /* Required environment variables: request; the names of the empty ones. */         \
  ORV_CATALOG_KEY(ORVBC, 0150, 0)                                                     \
  ORV_CATALOG_KEY(ORVBC, 0151, 1)                                                     \
  /* File utilities: file name and system text (Rename: old name, new name, text). */ \
  ORV_CATALOG_KEY(ORVBC, 0201, 2)                                                     \
  ORV_CATALOG_KEY(ORVBC, 0202, 2)                                                     \
  ORV_CATALOG_KEY(ORVBC, 0203, 2)                                                     \
  ORV_CATALOG_KEY(ORVBC, 0205, 2)                                                     \
  ORV_CATALOG_KEY(ORVBC, 0206, 2)                                                     \
  ORV_CATALOG_KEY(ORVBC, 0207, 2)                                                     \
  ORV_CATALOG_KEY(ORVBC, 0208, 2)                                                     \
  ORV_CATALOG_KEY(ORVBC, 0209, 2)                                                     \
  ORV_CATALOG_KEY(ORVBC, 0210, 2)                                                     \
  ORV_CATALOG_KEY(ORVBC, 0211, 2)                                                     \
  ORV_CATALOG_KEY(ORVBC, 0212, 2)                                                     \
  ORV_CATALOG_KEY(ORVBC, 0213, 2)                                                     \
  ORV_CATALOG_KEY(ORVBC, 0214, 2)                                                     \
  ORV_CATALOG_KEY(ORVBC, 0215, 3)                                                     \
  /* Text files: an overlong line, by number or by its start; the maximum length. */  \
  ORV_CATALOG_KEY(ORVBC, 0216, 2)                                                     \
  ORV_CATALOG_KEY(ORVBC, 0217, 2)                                                     \
  /* Prefixed values: the input, then the prefix text or the length and bounds. */    \
  ORV_CATALOG_KEY(ORVBC, 0310, 1)                                                     \
  ORV_CATALOG_KEY(ORVBC, 0313, 2)                                                     \
  ORV_CATALOG_KEY(ORVBC, 0314, 3)                                                     \
  ORV_CATALOG_KEY(ORVBC, 0317, 4)                                                     \
  ORV_CATALOG_KEY(ORVBC, 0320, 3)                                                     \
  /* Their advice: a head (the default prefix's code) and the lines of the prefixes;  \
     a line is the code, the name, the minimum and the maximum. */                    \
  ORV_CATALOG_KEY(ORVBC, 0311, 1)                                                     \
  ORV_CATALOG_KEY(ORVBC, 0315, 2)                                                     \
  ORV_CATALOG_KEY(ORVBC, 0316, 1)                                                     \
  ORV_CATALOG_KEY(ORVBC, 0312, 3)                                                     \
  ORV_CATALOG_KEY(ORVBC, 0318, 3)                                                     \
  ORV_CATALOG_KEY(ORVBC, 0319, 4)                                                     \
  /* Names of the operating-system families. */                                       \
  ORV_CATALOG_KEY(ORVBC, UNIX, 0)                                                     \
  ORV_CATALOG_KEY(ORVBC, WINDOWS, 0)                                                  \
  /* Instance creation and interface query: request, diagnostic, advice. */           \
  ORV_CATALOG_KEY(ORVBC, 0500, 0)                                                     \
  ORV_CATALOG_KEY(ORVBC, 0501, 2)                                                     \
  ORV_CATALOG_KEY(ORVBC, 0502, 0)                                                     \
  ORV_CATALOG_KEY(ORVBC, 0503, 2)                                                     \
  ORV_CATALOG_KEY(ORVBC, 0504, 0)                                                     \
  ORV_CATALOG_KEY(ORVBC, 0505, 2)                                                     \
  /* Dates: the whole text for syntax errors, the value for a field out of range. */  \
  ORV_CATALOG_KEY(ORVBC, 7722, 1)                                                     \
  ORV_CATALOG_KEY(ORVBC, 7723, 1)                                                     \
  ORV_CATALOG_KEY(ORVBC, 7724, 1)                                                     \
  ORV_CATALOG_KEY(ORVBC, 7725, 1)                                                     \
  ORV_CATALOG_KEY(ORVBC, 7726, 1)                                                     \
  ORV_CATALOG_KEY(ORVBC, 7727, 1)                                                     \
  ORV_CATALOG_KEY(ORVBC, 7728, 1)                                                     \
  ORV_CATALOG_KEY(ORVBC, 7729, 1)                                                     \
  ORV_CATALOG_KEY(ORVBC, 7730, 1)                                                     \
  ORV_CATALOG_KEY(ORVBC, 7731, 1)                                                     \
  ORV_CATALOG_KEY(ORVBC, 7732, 1)                                                     \
  ORV_CATALOG_KEY(ORVBC, 7733, 1)                                                     \
  ORV_CATALOG_KEY(ORVBC, 7734, 1)                                                     \
  ORV_CATALOG_KEY(ORVBC, 7735, 0)                                                     \
  /* File message display: a directory given as file name (name), and the advice. */  \
  ORV_CATALOG_KEY(ORVCMD, 6030, 1)                                                    \
  ORV_CATALOG_KEY(ORVCMD, 6031, 0)                                                    \
  /* System errors: the object of the operation; RENAME: both names. */               \
  ORV_CATALOG_KEY(ORVSYS, ALLOC, 1)                                                   \
  ORV_CATALOG_KEY(ORVSYS, CHMOD, 1)                                                   \
  ORV_CATALOG_KEY(ORVSYS, CLOSE, 1)                                                   \
  ORV_CATALOG_KEY(ORVSYS, CREAT, 1)                                                   \
  ORV_CATALOG_KEY(ORVSYS, FORK, 0)                                                    \
  ORV_CATALOG_KEY(ORVSYS, FSYNC, 1)                                                   \
  ORV_CATALOG_KEY(ORVSYS, FTOKC, 1)                                                   \
  ORV_CATALOG_KEY(ORVSYS, GETCWDC, 0)                                                 \
  ORV_CATALOG_KEY(ORVSYS, MKDIR, 1)                                                   \
  ORV_CATALOG_KEY(ORVSYS, OPEN, 1)                                                    \
  ORV_CATALOG_KEY(ORVSYS, OPENDIR, 1)                                                 \
  ORV_CATALOG_KEY(ORVSYS, READ, 1)                                                    \
  ORV_CATALOG_KEY(ORVSYS, REMOVE, 1)                                                  \
  ORV_CATALOG_KEY(ORVSYS, RENAME, 2)                                                  \
  ORV_CATALOG_KEY(ORVSYS, RMDIR, 1)                                                   \
  ORV_CATALOG_KEY(ORVSYS, SEEK, 1)                                                    \
  ORV_CATALOG_KEY(ORVSYS, SEMCTL, 0)                                                  \
  ORV_CATALOG_KEY(ORVSYS, SEMGET, 0)                                                  \
  ORV_CATALOG_KEY(ORVSYS, SEMOPC, 0)                                                  \
  ORV_CATALOG_KEY(ORVSYS, SHMAT, 0)                                                   \
  ORV_CATALOG_KEY(ORVSYS, SHMCTL_DELETE, 0)                                           \
  ORV_CATALOG_KEY(ORVSYS, SHMDT, 0)                                                   \
  ORV_CATALOG_KEY(ORVSYS, SHMGET, 0)                                                  \
  ORV_CATALOG_KEY(ORVSYS, SHMCTL_STAT, 0)                                             \
  ORV_CATALOG_KEY(ORVSYS, STAT, 1)                                                    \
  ORV_CATALOG_KEY(ORVSYS, STATVFS, 1)                                                 \
  ORV_CATALOG_KEY(ORVSYS, TRUNC, 1)                                                   \
  ORV_CATALOG_KEY(ORVSYS, UNAME, 0)                                                   \
  ORV_CATALOG_KEY(ORVSYS, WRITE, 1)                                                   \
  ORV_CATALOG_KEY(ORVSYS, UNEXPECTED, 1)                                              \
  ORV_CATALOG_KEY(ORVSYS, NOMEM, 0)                                                   \
  ORV_CATALOG_KEY(ORVSYS, NOMEMA, 0)                                                  \
  ORV_CATALOG_KEY(ORVSYS, NOENT_FILE, 0)                                              \
  ORV_CATALOG_KEY(ORVSYS, NOENT_DIR, 0)                                               \
  ORV_CATALOG_KEY(ORVSYS, NOENTA, 0)                                                  \
  ORV_CATALOG_KEY(ORVSYS, INTR, 0)                                                    \
  ORV_CATALOG_KEY(ORVSYS, IO, 0)                                                      \
  ORV_CATALOG_KEY(ORVSYS, IOA, 0)                                                     \
  ORV_CATALOG_KEY(ORVSYS, ACCESS_FILE, 0)                                             \
  ORV_CATALOG_KEY(ORVSYS, ACCESS_DIR, 0)                                              \
  ORV_CATALOG_KEY(ORVSYS, ACCESS_UNIXA, 0)                                            \
  ORV_CATALOG_KEY(ORVSYS, EXIST_FILE, 0)                                              \
  ORV_CATALOG_KEY(ORVSYS, EXIST_DIR, 0)                                               \
  ORV_CATALOG_KEY(ORVSYS, EXISTA, 0)                                                  \
  ORV_CATALOG_KEY(ORVSYS, NOTDIR, 0)                                                  \
  ORV_CATALOG_KEY(ORVSYS, NOTDIRA, 0)                                                 \
  ORV_CATALOG_KEY(ORVSYS, ISDIR, 0)                                                   \
  ORV_CATALOG_KEY(ORVSYS, ISDIRA, 0)                                                  \
  ORV_CATALOG_KEY(ORVSYS, TXTBSY, 0)                                                  \
  ORV_CATALOG_KEY(ORVSYS, TXTBSYA, 0)                                                 \
  ORV_CATALOG_KEY(ORVSYS, FBIG, 0)                                                    \
  ORV_CATALOG_KEY(ORVSYS, FBIGA, 0)                                                   \
  ORV_CATALOG_KEY(ORVSYS, NOSPC, 0)                                                   \
  ORV_CATALOG_KEY(ORVSYS, NOSPCA, 0)                                                  \
  ORV_CATALOG_KEY(ORVSYS, ROFS, 0)                                                    \
  ORV_CATALOG_KEY(ORVSYS, ROFSA, 0)                                                   \
  ORV_CATALOG_KEY(ORVSYS, DQUOT, 0)                                                   \
  ORV_CATALOG_KEY(ORVSYS, DQUOTA, 0)                                                  \
  ORV_CATALOG_KEY(ORVSYS, TIMEDOUT, 0)                                                \
  ORV_CATALOG_KEY(ORVSYS, TIMEDOUTA, 0)                                               \
  ORV_CATALOG_KEY(ORVSYS, NAMETOOLONG, 0)                                             \
  ORV_CATALOG_KEY(ORVSYS, NAMETOOLONG_FILEA, 0)                                       \
  ORV_CATALOG_KEY(ORVSYS, NAMETOOLONG_DIRA, 0)                                        \
  ORV_CATALOG_KEY(ORVSYS, STALE, 0)                                                   \
  ORV_CATALOG_KEY(ORVSYS, STALEA, 0)                                                  \
  ORV_CATALOG_KEY(ORVSYS, FORK_AGAIN, 0)                                              \
  ORV_CATALOG_KEY(ORVSYS, FORK_AGAINA, 0)                                             \
  ORV_CATALOG_KEY(ORVSYS, FTOK, 0)                                                    \
  ORV_CATALOG_KEY(ORVSYS, FTOKA, 0)                                                   \
  ORV_CATALOG_KEY(ORVSYS, GETCWD, 0)                                                  \
  ORV_CATALOG_KEY(ORVSYS, GETCWDA, 0)                                                 \
  ORV_CATALOG_KEY(ORVSYS, RENAME_NOENT, 0)                                            \
  ORV_CATALOG_KEY(ORVSYS, RENAME_NOENTA, 0)                                           \
  ORV_CATALOG_KEY(ORVSYS, RENAME_ACCESS, 0)                                           \
  ORV_CATALOG_KEY(ORVSYS, RENAME_ACCESS_UNIXA, 0)                                     \
  ORV_CATALOG_KEY(ORVSYS, RENAME_ISDIR, 0)                                            \
  ORV_CATALOG_KEY(ORVSYS, RENAME_ISDIRA, 0)                                           \
  ORV_CATALOG_KEY(ORVSYS, RENAME_NOSPC, 0)                                            \
  ORV_CATALOG_KEY(ORVSYS, RENAME_NOSPCA, 0)                                           \
  ORV_CATALOG_KEY(ORVSYS, SEMGET_ACCES, 0)                                            \
  ORV_CATALOG_KEY(ORVSYS, SEMGET_ACCESA, 0)                                           \
  ORV_CATALOG_KEY(ORVSYS, SEMGET_NOSPC, 0)                                            \
  ORV_CATALOG_KEY(ORVSYS, SEMGET_NOSPCA, 0)                                           \
  ORV_CATALOG_KEY(ORVSYS, SEMOP, 0)                                                   \
  ORV_CATALOG_KEY(ORVSYS, SEMOPA, 0)                                                  \
  ORV_CATALOG_KEY(ORVSYS, SHM, 0)                                                     \
  ORV_CATALOG_KEY(ORVSYS, SHMA, 0)                                                    \
  /* Socket errors: the address or connection; UNEXPECTED: the system's text. */      \
  ORV_CATALOG_KEY(ORVSOCK, ACCEPT, 0)                                                 \
  ORV_CATALOG_KEY(ORVSOCK, BINDC, 0)                                                  \
  ORV_CATALOG_KEY(ORVSOCK, CLOSE, 0)                                                  \
  ORV_CATALOG_KEY(ORVSOCK, CONNECTC, 1)                                               \
  ORV_CATALOG_KEY(ORVSOCK, GETHOST, 0)                                                \
  ORV_CATALOG_KEY(ORVSOCK, GETOPT, 0)                                                 \
  ORV_CATALOG_KEY(ORVSOCK, LISTEN, 1)                                                 \
  ORV_CATALOG_KEY(ORVSOCK, RECVC, 1)                                                  \
  ORV_CATALOG_KEY(ORVSOCK, SELECT, 1)                                                 \
  ORV_CATALOG_KEY(ORVSOCK, SENDC, 1)                                                  \
  ORV_CATALOG_KEY(ORVSOCK, SETOPT, 0)                                                 \
  ORV_CATALOG_KEY(ORVSOCK, SOCKC, 0)                                                  \
  ORV_CATALOG_KEY(ORVSOCK, STARTUPC, 0)                                               \
  ORV_CATALOG_KEY(ORVSOCK, UNEXPECTED, 1)                                             \
  ORV_CATALOG_KEY(ORVSOCK, BIND, 1)                                                   \
  ORV_CATALOG_KEY(ORVSOCK, BINDA, 0)                                                  \
  ORV_CATALOG_KEY(ORVSOCK, CONNECT, 0)                                                \
  ORV_CATALOG_KEY(ORVSOCK, CONNECTA, 0)                                               \
  ORV_CATALOG_KEY(ORVSOCK, SOCK, 0)                                                   \
  ORV_CATALOG_KEY(ORVSOCK, SOCKA, 0)                                                  \
  /* Communication errors: HOST the host name; UNEXPECTED the error's text. */        \
  ORV_CATALOG_KEY(ORVCOM, FULLC, 0)                                                   \
  ORV_CATALOG_KEY(ORVCOM, HOST, 1)                                                    \
  ORV_CATALOG_KEY(ORVCOM, INPUT_CONVC, 0)                                             \
  ORV_CATALOG_KEY(ORVCOM, PROTOC, 0)                                                  \
  ORV_CATALOG_KEY(ORVCOM, SHARE, 0)                                                   \
  ORV_CATALOG_KEY(ORVCOM, USE, 0)                                                     \
  ORV_CATALOG_KEY(ORVCOM, FULL, 0)                                                    \
  ORV_CATALOG_KEY(ORVCOM, FULLA, 0)                                                   \
  ORV_CATALOG_KEY(ORVCOM, HOST_ADD, 0)                                                \
  ORV_CATALOG_KEY(ORVCOM, HOST_ADDA, 0)                                               \
  ORV_CATALOG_KEY(ORVCOM, HOST_FORMAT, 0)                                             \
  ORV_CATALOG_KEY(ORVCOM, HOST_FORMATA, 0)                                            \
  ORV_CATALOG_KEY(ORVCOM, INPUT_CONV, 0)                                              \
  ORV_CATALOG_KEY(ORVCOM, INPUT_CONVA, 0)                                             \
  ORV_CATALOG_KEY(ORVCOM, PROTO, 0)                                                   \
  ORV_CATALOG_KEY(ORVCOM, PROTOA, 0)                                                  \
  ORV_CATALOG_KEY(ORVCOM, SHARE_ACCESS, 0)                                            \
  ORV_CATALOG_KEY(ORVCOM, SHARE_ACCESSA, 0)                                           \
  ORV_CATALOG_KEY(ORVCOM, SHARE_INTERNAL, 0)                                          \
  ORV_CATALOG_KEY(ORVCOM, SHARE_INTERNALA, 0)                                         \
  ORV_CATALOG_KEY(ORVCOM, USE_INTERNAL, 0)                                            \
  ORV_CATALOG_KEY(ORVCOM, USE_INTERNALA, 0)                                           \
  ORV_CATALOG_KEY(ORVCOM, UNEXPECTED, 1)

#define ORV_CATALOG_KEY_DEFINE(Catalog, Key, Count) \
  inline constexpr ORVCatalogKey Catalog##_##Key{#Catalog, #Key, Count};
ORV_CATALOG_KEYS(ORV_CATALOG_KEY_DEFINE)
#undef ORV_CATALOG_KEY_DEFINE

// The whole table, for the check of the shipped catalogs.
#define ORV_CATALOG_KEY_ADDRESS(Catalog, Key, Count) &Catalog##_##Key,
inline constexpr const ORVCatalogKey* ORVCatalogKeyTable[] = {
    ORV_CATALOG_KEYS(ORV_CATALOG_KEY_ADDRESS)};
#undef ORV_CATALOG_KEY_ADDRESS

// A new catalog builder of Key with iParameters added in order (each a
// PEVUnicodeString, ORVString, const char* or int); the count must be Key's.
template <const ORVCatalogKey& Key, class... Parameters>
ORVParamNLSMsgBldrCtlgRfHndlr ORVMakeCatalogMessage(const Parameters&... iParameters) {
  static_assert(sizeof...(Parameters) == (std::size_t)Key._ParameterCount,
                "wrong number of parameters for this catalog message");
  ORVParamNLSMsgBldrCtlgRfHndlr builder;
  builder.Set(ORVRfHndlrAdopt, new ORVParamNLSMsgBldrCtlg(Key._Catalog, Key._Key, nullptr));
  (builder->AddNewParameter(iParameters), ...);
  return builder;
}
