#include "ORVExtDbNullBoolean.h"

#include "ORVFatal.h"

ORV_META_OBJECT_DEFINE(ORVExtDbNullBoolean, ORVExtBoolean)

unsigned int ORVExtDbNullBoolean::IsDbNull() const {
  return 1;
}

unsigned int ORVExtDbNullBoolean::GetBoolean() const {
  ORV_FATAL("No GetBoolean() for a ORVExtDbNullBoolean");
}
