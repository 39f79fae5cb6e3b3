#include "ORVListLineBldr.h"

#include "ORVListLineFieldBldr.h"

ORV_META_OBJECT_DEFINE(ORVListLineBldr, PEVBaseUnknown)

ORVListLineBldr::ORVListLineBldr(const ORVString& iSeparator)
    : _Fields(ORVDoNothingAtDelete, 8), _Separator(iSeparator) {}

void ORVListLineBldr::Add(ORVListLineFieldBldr& iField) {
  _Fields.Add(&iField, ORVDoNotNotify);
}

void ORVListLineBldr::Build(PEVUnicodeString& oLine) const {
  PEVUnicodeString separator(_Separator.GetChars(), _Separator.GetLength());
  int separatorLength = ORVListLineFieldBldr::CharacterCount(separator);
  oLine = "";
  int column = 0;
  for (int i = 0; i < _Fields.Size(); ++i) {
    const auto* field = static_cast<const ORVListLineFieldBldr*>(_Fields[i]);
    if (i > 0) oLine += separator;
    field->Concat(oLine, column);
    column += separatorLength + field->GetLength();
  }
}
