#include "grid/RuzuZiri.h"

#include <gtest/gtest.h>
