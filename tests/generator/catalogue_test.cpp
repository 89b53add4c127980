#include <gtest/gtest.h>
#include "generator/catalogue.h"
TEST(Catalogue, HasAllEntries) { EXPECT_NE(genhand::EntryById(64), nullptr); }
