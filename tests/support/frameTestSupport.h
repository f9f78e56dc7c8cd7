#pragma once
// A fixture that starts every frame test on a clean desktop with the module attached and initialised as the
// host does it (attach, message 1), makes Script and Robot failures fail the test, captures the command line,
// and unloads the module again at the end (message 2, detach).
#include "cadhost/AcRx.h"
#include "cadhost/CommandLine.h"
#include "cadhost/HostLog.h"
#include "cadhost/ModuleHost.h"
#include "frame/SSModule.h"
#include "nuvo/DlgSizeStore.h"
#include "support/uiTestSupport.h"
#include "ui/Desktop.h"
#include "ui/Script.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

namespace frametest {

using ui::test::gtestFailure;

class FrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        ui::Desktop::reset();
        ui::Script::setDefaultFailureHandler(gtestFailure());
        cadhost::HostLog::clear();
        // Dialog sizes go to a file of this test, never to the user's own store.
        m_sizes = std::filesystem::temp_directory_path() / ("ss-test-sizes-" + std::to_string(::getpid()) + ".txt");
        std::filesystem::remove(m_sizes);
        DlgSizeStore::useFile(Ork_String::fromUtf8(m_sizes.string()));
        m_print = std::make_unique<cadhost::PrintCapture>();
        ASSERT_EQ(DllMain(&m_instance, DLL_PROCESS_ATTACH, nullptr), 1);
        m_attached = true;
        ASSERT_EQ(acrxEntryPoint(AcRx::kInitAppMsg, &m_packet), AcRx::kRetOK);
    }
    void TearDown() override {
        unload();
        m_print.reset();
        ui::Desktop::reset();
        ui::Script::setDefaultFailureHandler({});
        std::error_code ec;
        std::filesystem::remove(m_sizes, ec);
    }
    // Message 2 and detach, as the host unloads (the test's own timers are not waited for).
    void unload() {
        if (!m_attached)
            return;
        acrxEntryPoint(AcRx::kUnloadAppMsg, &m_packet);
        DllMain(&m_instance, DLL_PROCESS_DETACH, nullptr);
        ui::Desktop::processPending();
        m_attached = false;
    }
    const std::string& printed() const { return m_print->text(); }
    void clearPrinted() { m_print->clear(); }

    int m_instance = 0;  // any address stands for the instance handle
    AcRxAppPacket m_packet{u"SS", &m_instance};
    bool m_attached = false;
    std::unique_ptr<cadhost::PrintCapture> m_print;
    std::filesystem::path m_sizes;
};

} // namespace frametest
