#include "ORVExtDbNullDate.h"

#include "ORVFatal.h"

ORV_META_OBJECT_DEFINE(ORVExtDbNullDate, ORVExtDate)

unsigned int ORVExtDbNullDate::IsDbNull() const {
  return 1;
}

const ORVDate& ORVExtDbNullDate::GetDate() const {
  ORV_FATAL("No GetDate() for a ORVExtDbNullDate");
}
