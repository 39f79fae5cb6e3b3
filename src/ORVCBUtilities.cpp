#include "ORVCBUtilities.h"

#include <sys/utsname.h>
#include <cctype>
#include <cstdio>
#include <cstring>

const char* last_component(const char* iPath) {
  const char* slash = strrchr(iPath, '/');
  return slash ? slash + 1 : iPath;
}

void to_lower(char* ioText) {
  for (char* c = ioText; *c; ++c)
    *c = (char)tolower((unsigned char)*c);
}

void to_upper(char* ioText) {
  for (char* c = ioText; *c; ++c)
    *c = (char)toupper((unsigned char)*c);
}

const char* day_name(int iDay) {
  static const char* const kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  return iDay >= 0 && iDay <= 6 ? kDays[iDay] : "???";
}

const char* os_name(void) {
  static char name[sizeof(((struct utsname*)nullptr)->sysname)] = "";
  if (!name[0]) {
    struct utsname system;
    snprintf(name, sizeof name, "%s", uname(&system) == 0 ? system.sysname : "Linux");
  }
  return name;
}
