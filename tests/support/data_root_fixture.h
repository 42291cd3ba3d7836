// A test whose game files live in a fresh folder: the data root points there and every
// table starts cleared.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "core/state.h"
#include "platform/files.h"
#include "support/test_support.h"

struct DataRootTest : ::testing::Test {
    TempFolder folder;
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(ChooseDataRoot(folder.path, error)) << error;
        ClearAllTables();
    }
    // The real path of a file named as the game names it in the data root.
    std::string At(const std::string& name) const { return folder.path + "/" + name; }
};
