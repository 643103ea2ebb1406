// The console program's terminal over Windows handles, and Ctrl-C as Stop
// presses that wake its waits.
#include "platform/win32/win32_terminal.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

#include "platform/win32/win32_interrupt_requests.h"
#include "testkit/host_pipe.h"

namespace brenx::platform {
namespace {

using State = TerminalInput::State;

using testkit::HostPipe;

HANDLE OpenConsole(const wchar_t* name) {
    return CreateFileW(name, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                       nullptr, OPEN_EXISTING, 0, nullptr);
}

std::string ReadAll(TerminalInput& input) {
    char buffer[64];
    const std::ptrdiff_t count = input.Read(buffer, sizeof buffer);
    return count > 0 ? std::string(buffer, static_cast<std::size_t>(count)) : std::string();
}

TEST(Win32Terminal, PipedInputIsReadAsItComesAndEnds) {
    HostPipe pipe;
    Win32InterruptRequests presses;
    Win32TerminalInput input(pipe.Reader());
    ASSERT_TRUE(input.Open());
    EXPECT_FALSE(input.IsTerminal());

    TerminalInput::Waited waited = input.Wait(presses, true, 50);
    EXPECT_TRUE(waited.timedOut);
    EXPECT_EQ(waited.input, State::Quiet);

    pipe.Put("yes\r\nno");
    waited = input.Wait(presses, true, 5000);
    EXPECT_FALSE(waited.timedOut);
    ASSERT_EQ(waited.input, State::Ready);
    EXPECT_EQ(ReadAll(input), "yes\r\nno");
    char byte = 0;
    EXPECT_LT(input.Read(&byte, 1), 0) << "nothing there yet is not the end";

    pipe.CloseWriter();
    waited = input.Wait(presses, true, 5000);
    ASSERT_EQ(waited.input, State::Ready);
    EXPECT_EQ(input.Read(&byte, 1), 0);
}

TEST(Win32Terminal, FileInputIsAlwaysReadyAndMissingInputInvalid) {
    char name[MAX_PATH];
    GetTempFileNameA(".", "brx", 0, name);
    const HANDLE file = CreateFileA(name, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    DWORD written = 0;
    WriteFile(file, "answer\n", 7, &written, nullptr);
    SetFilePointer(file, 0, nullptr, FILE_BEGIN);

    Win32InterruptRequests presses;
    Win32TerminalInput input(file);
    EXPECT_EQ(input.Wait(presses, true, -1).input, State::Ready);
    EXPECT_EQ(ReadAll(input), "answer\n");
    char byte = 0;
    EXPECT_EQ(input.Read(&byte, 1), 0);
    CloseHandle(file);

    Win32TerminalInput none(INVALID_HANDLE_VALUE);
    EXPECT_FALSE(none.Open());
    EXPECT_EQ(none.Wait(presses, true, -1).input, State::Invalid);
}

TEST(Win32Terminal, APressWakesAWaitOnceAndIsCountedUntilTaken) {
    HostPipe pipe;
    Win32InterruptRequests presses;
    Win32TerminalInput input(pipe.Reader());
    const HANDLE wake = reinterpret_cast<HANDLE>(presses.Wake().value);
    for (const bool watchInput : {true, false}) {
        std::thread presser([&] {
            Sleep(50);
            presses.Press();
        });
        const TerminalInput::Waited waited = input.Wait(presses, watchInput, 10000);
        presser.join();
        EXPECT_FALSE(waited.timedOut);
        EXPECT_EQ(waited.input, State::Quiet);
        EXPECT_EQ(WaitForSingleObject(wake, 0), static_cast<DWORD>(WAIT_TIMEOUT))
            << "the wake is cleared by the wait that it woke";
        presses.Press();
        EXPECT_FALSE(input.Wait(presses, watchInput, 10000).timedOut);
        EXPECT_EQ(presses.Take(), 2);
        EXPECT_EQ(presses.Take(), 0);
    }
}

TEST(Win32Terminal, AListenerHearsEachBatchOfPressesUntilStopped) {
    Win32InterruptRequests presses;
    const HANDLE heard = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    std::atomic<int> calls{0};
    presses.Listen([&] {
        ++calls;
        SetEvent(heard);
    });
    presses.Press();
    ASSERT_EQ(WaitForSingleObject(heard, 5000), static_cast<DWORD>(WAIT_OBJECT_0));
    EXPECT_EQ(calls.load(), 1);

    presses.Listen(nullptr);
    presses.Press();
    EXPECT_EQ(WaitForSingleObject(heard, 100), static_cast<DWORD>(WAIT_TIMEOUT));
    EXPECT_EQ(presses.Take(), 1) << "without a listener the press waits to be taken";
    CloseHandle(heard);
}

// Types the text into the console's input as key presses.
void TypeIntoConsole(HANDLE console, std::wstring_view text) {
    for (const wchar_t c : text) {
        INPUT_RECORD keys[2] = {};
        for (int i = 0; i < 2; ++i) {
            keys[i].EventType = KEY_EVENT;
            keys[i].Event.KeyEvent.bKeyDown = i == 0;
            keys[i].Event.KeyEvent.wRepeatCount = 1;
            keys[i].Event.KeyEvent.wVirtualKeyCode = c == L'\r' ? VK_RETURN : 0;
            keys[i].Event.KeyEvent.uChar.UnicodeChar = c;
        }
        DWORD written = 0;
        WriteConsoleInputW(console, keys, 2, &written);
    }
}

// One test, as the console has one input: a reading thread left behind by
// another test would take the keys typed here.
TEST(Win32Terminal, TheConsoleGivesTypedLinesAsUtf8AndCtrlCDoesNotEndIt) {
    const HANDLE console = OpenConsole(L"CONIN$");
    if (console == INVALID_HANDLE_VALUE) GTEST_SKIP() << "no console here";
    Win32InterruptRequests presses;
    ASSERT_TRUE(presses.Install());
    Win32TerminalInput input(console);
    EXPECT_TRUE(input.IsTerminal());
    TypeIntoConsole(console, L"s\u00fcd\r");
    ASSERT_EQ(input.Wait(presses, true, 5000).input, State::Ready);
    EXPECT_EQ(ReadAll(input),
              "s\u00fc"
              "d\r\n");

    EXPECT_EQ(input.Wait(presses, true, 100).input, State::Quiet);  // the next read is under way
    ASSERT_NE(GenerateConsoleCtrlEvent(CTRL_C_EVENT, 0), 0);
    const TerminalInput::Waited waited = input.Wait(presses, true, 5000);
    EXPECT_FALSE(waited.timedOut);
    EXPECT_EQ(presses.Take(), 1);
    if (waited.input == State::Ready) {
        char byte = 0;
        EXPECT_NE(input.Read(&byte, 1), 0) << "the input did not end";
    }
    TypeIntoConsole(console, L"go\r");
    ASSERT_EQ(input.Wait(presses, true, 5000).input, State::Ready);
    EXPECT_EQ(ReadAll(input), "go\r\n");

    const HANDLE screen = OpenConsole(L"CONOUT$");
    Win32TerminalOutput output(screen);
    EXPECT_TRUE(output.IsTerminal());
    EXPECT_GT(output.Columns(), 0);
    CloseHandle(screen);
}

TEST(Win32Terminal, OutputThatIsNoConsoleGetsTheBytes) {
    HostPipe pipe;
    Win32TerminalOutput output(pipe.Writer());
    EXPECT_FALSE(output.IsTerminal());
    EXPECT_EQ(output.Columns(), 0);
    const std::string text = "caf\xC3\xA9 \r\x1b[K100%\n";
    output.Write(text);
    std::string got(text.size(), '\0');
    DWORD count = 0;
    ReadFile(pipe.Reader(), got.data(), static_cast<DWORD>(got.size()), &count, nullptr);
    EXPECT_EQ(got.substr(0, count), text);

    pipe.CloseReader();
    output.Write("nobody reads this");  // passed over, no hang
}

}  // namespace
}  // namespace brenx::platform
