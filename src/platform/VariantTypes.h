#pragma once

#include <QMetaType>

namespace Tarvex {

// Whether a variant of this type holds a whole number (as stored, written and compared in bags).
inline bool IsIntegerType(int TypeId)
{
    switch (TypeId) {
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return true;
    default:
        return false;
    }
}

} // namespace Tarvex
