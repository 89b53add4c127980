// The help file Velmora.chm as built beside the program: its context 1000
// leads to the topic that explains the wizard, both when the file is read
// the way the HTML Help viewer reads it and through the viewer itself.
#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

// The InfoTech storage interface of itss.dll (no SDK header declares it).
// Declared outside the anonymous namespace: the compiler must not assume
// that no implementation of it exists.
struct IITStorage : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE StgCreateDocfile(const WCHAR*, DWORD, DWORD, IStorage**) = 0;
    virtual HRESULT STDMETHODCALLTYPE StgCreateDocfileOnILockBytes(ILockBytes*, DWORD, DWORD, IStorage**) = 0;
    virtual HRESULT STDMETHODCALLTYPE StgIsStorageFile(const WCHAR*) = 0;
    virtual HRESULT STDMETHODCALLTYPE StgIsStorageILockBytes(ILockBytes*) = 0;
    virtual HRESULT STDMETHODCALLTYPE StgOpenStorage(const WCHAR*, IStorage*, DWORD, SNB, DWORD, IStorage**) = 0;
};

namespace {

// The InfoTech storage that CHM files are, as itss.dll offers it.
const CLSID kClsidITStorage = {0x5d02926a, 0x212e, 0x11d0, {0x9d, 0xf9, 0x00, 0xa0, 0xc9, 0x22, 0xe6, 0xec}};
const IID kIidITStorage = {0x88cc31de, 0x27ab, 0x11d0, {0x9d, 0xf9, 0x00, 0xa0, 0xc9, 0x22, 0xe6, 0xec}};

constexpr DWORD kHelpContext = 1000;
constexpr UINT kHhHelpContext = 0x000F;
constexpr UINT kHhCloseAll = 0x0012;

// <build tree>\Velmora.chm, where Genhand.exe looks for it; this test runs
// from <build tree>\tests\resources.
std::string HelpFile() {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir(path);
    for (int up = 0; up < 3; ++up) dir = dir.substr(0, dir.find_last_of('\\'));
    return dir + "\\Velmora.chm";
}

std::wstring Wide(const std::string& s) { return std::wstring(s.begin(), s.end()); }

std::string ReadStream(IStorage* storage, const std::wstring& name) {
    IStream* stream = nullptr;
    if (FAILED(storage->OpenStream(name.c_str(), nullptr, STGM_READ, 0, &stream))) return "";
    std::string data;
    char buffer[4096];
    ULONG read = 0;
    while (SUCCEEDED(stream->Read(buffer, sizeof buffer, &read)) && read > 0) data.append(buffer, read);
    stream->Release();
    return data;
}

class HelpFileTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr))); }
    void TearDown() override { CoUninitialize(); }
};

TEST_F(HelpFileTest, ContextOneThousandNamesTheWizardTopic) {
    ASSERT_NE(GetFileAttributesA(HelpFile().c_str()), INVALID_FILE_ATTRIBUTES) << HelpFile();
    IITStorage* its = nullptr;
    ASSERT_TRUE(SUCCEEDED(CoCreateInstance(kClsidITStorage, nullptr, CLSCTX_INPROC_SERVER, kIidITStorage,
                                           reinterpret_cast<void**>(&its))));
    IStorage* chm = nullptr;
    ASSERT_TRUE(SUCCEEDED(its->StgOpenStorage(Wide(HelpFile()).c_str(), nullptr,
                                              STGM_READ | STGM_SHARE_DENY_WRITE, nullptr, 0, &chm)));

    // #IVB: a byte count, then pairs of (context id, offset into #STRINGS).
    const std::string ivb = ReadStream(chm, L"#IVB");
    const std::string strings = ReadStream(chm, L"#STRINGS");
    ASSERT_GE(ivb.size(), 12u);
    std::string topic;
    int found = 0;
    for (std::size_t at = 4; at + 8 <= ivb.size(); at += 8) {
        std::uint32_t context, offset;
        std::memcpy(&context, ivb.data() + at, 4);
        std::memcpy(&offset, ivb.data() + at + 4, 4);
        if (context != kHelpContext) continue;
        ++found;
        ASSERT_LT(offset, strings.size());
        topic = strings.c_str() + offset;
    }
    EXPECT_EQ(found, 1);
    ASSERT_FALSE(topic.empty());
    if (topic[0] != '/') topic = "/" + topic;

    // The topic is in the file and explains the wizard's parts.
    const std::string page = ReadStream(chm, Wide(topic));
    EXPECT_NE(page.find("<title>The Velmora Wizard</title>"), std::string::npos) << topic;
    for (const char* part : {"Velmora Window", "Message to handle", "Description comments", "USE Velmora",
                             "IMPLICIT NONE", "Separator", "Keywords", "Indent body", "Set handler",
                             "Handler routine", "separator file", "Close", "Help"}) {
        EXPECT_NE(page.find(part), std::string::npos) << part;
    }
    chm->Release();
    its->Release();
}

TEST_F(HelpFileTest, ViewerOpensContextOneThousandAndNoUnknownContext) {
    HMODULE viewer = LoadLibraryA("hhctrl.ocx");
    if (viewer == nullptr) GTEST_SKIP() << "no HTML Help viewer on this system";
    using HtmlHelpAFn = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);
    auto htmlHelp = reinterpret_cast<HtmlHelpAFn>(
        reinterpret_cast<void*>(GetProcAddress(viewer, MAKEINTRESOURCEA(14))));
    ASSERT_NE(htmlHelp, nullptr);

    const std::string file = HelpFile();
    HWND shown = htmlHelp(GetDesktopWindow(), file.c_str(), kHhHelpContext, kHelpContext);
    EXPECT_NE(shown, nullptr);
    EXPECT_EQ(htmlHelp(GetDesktopWindow(), file.c_str(), kHhHelpContext, 999), nullptr);
    htmlHelp(nullptr, nullptr, kHhCloseAll, 0);
    FreeLibrary(viewer);
}

}  // namespace
