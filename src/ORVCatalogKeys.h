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
  /* The last-error fallback: a result code without error record. */                  \
  ORV_CATALOG_KEY(ORVBC, 0100, 0)                                                     \
  /* The usage line of the help option: its names. */                                 \
  ORV_CATALOG_KEY(ORVBC, 0101, 1)                                                     \
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
  ORV_CATALOG_KEY(ORVCMD, 6031, 0)

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
