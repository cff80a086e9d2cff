#include <gtest/gtest.h>

#include <dlfcn.h>

#include <string>

namespace {

struct Deliverable {
    const char* name;
    const char* levelDesc;
    bool setupMorale;
};

const Deliverable kDeliverables[] = {
    {"sandbox_plymouth", "'Varnholdrift' - Plymouth, Sandbox (v0.4.3-158 Alpha)", false},
    {"sandbox_eden", "'Varnholdrift' - Eden, Sandbox (v0.4.3-158 Alpha)", false},
    {"sandbox_alt_plymouth", "'Varnholdrift' - Plymouth, Sandbox ALT (v0.4.3-158 Alpha)", true},
    {"sandbox_alt_eden", "'Varnholdrift' - Eden, Sandbox ALT (v0.4.3-158 Alpha)", true},
};

TEST(MissionExports, EachDeliverableDescribesItsMission) {
    for (const Deliverable& deliverable : kDeliverables) {
        SCOPED_TRACE(deliverable.name);
        const std::string path = std::string(MODULE_FOLDER) + "/" + deliverable.name + ".so";
        void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(module, nullptr) << dlerror();
        EXPECT_STREQ(static_cast<const char*>(dlsym(module, "MapName")), "cm03.map");
        EXPECT_STREQ(static_cast<const char*>(dlsym(module, "TechtreeName")), "MULTITEK.TXT");
        EXPECT_STREQ(static_cast<const char*>(dlsym(module, "LevelDesc")), deliverable.levelDesc);
        const int* descBlock = static_cast<const int*>(dlsym(module, "DescBlock"));
        ASSERT_NE(descBlock, nullptr);
        EXPECT_EQ(descBlock[0], -1);
        EXPECT_EQ(descBlock[1], 3);
        EXPECT_EQ(descBlock[2], 12);
        EXPECT_EQ(descBlock[3], 0);
        EXPECT_EQ(dlsym(module, "SetupMorale") != nullptr, deliverable.setupMorale);
        // Nothing but the mission's own names is exported.
        EXPECT_EQ(dlsym(module, "_Z11setupLayoutv"), nullptr);
        dlclose(module);
    }
}

}  // namespace
