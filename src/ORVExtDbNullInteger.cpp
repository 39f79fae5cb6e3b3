#include "ORVExtDbNullInteger.h"

#include "ORVFatal.h"

ORV_META_OBJECT_DEFINE(ORVExtDbNullInteger, ORVExtInteger)

unsigned int ORVExtDbNullInteger::IsDbNull() const {
  return 1;
}

int ORVExtDbNullInteger::GetInteger() const {
  ORV_FATAL("No GetInteger() for a ORVExtDbNullInteger");
}
