#include "platform/win32/win32_terminal.h"

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>

#include "platform/win32/win32_text.h"

#ifndef ENABLE_VIRTUAL_TERMINAL_PROCESSING
#define ENABLE_VIRTUAL_TERMINAL_PROCESSING 0x0004
#endif

namespace brenx::platform {

// What the reading thread has read and the terminal has not taken yet.
struct ConsoleReads {
    ConsoleReads()
        : ready(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
          drained(CreateEventW(nullptr, FALSE, FALSE, nullptr)),
          asked(CreateEventW(nullptr, FALSE, FALSE, nullptr)) {}
    ~ConsoleReads() {
        for (HANDLE event : {ready, drained, asked}) {
            if (event != nullptr) CloseHandle(event);
        }
    }
    ConsoleReads(const ConsoleReads&) = delete;
    ConsoleReads& operator=(const ConsoleReads&) = delete;

    std::mutex mutex;
    std::string bytes;
    bool ended = false;
    bool abandoned = false;  // the terminal is gone: read no more
    HANDLE ready;            // set while bytes wait or the input has ended
    HANDLE drained;          // the bytes are all taken: read on
    HANDLE asked;            // the terminal waits for input with nothing read
};

namespace {

constexpr std::string_view kClearToLineEnd = "\x1b[K";
// Small enough for any console's write; whole characters are written.
constexpr std::size_t kConsoleChunk = 8192;

bool IsValid(HANDLE handle) {
    return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

bool IsConsole(HANDLE handle) {
    DWORD mode = 0;
    return IsValid(handle) && GetConsoleMode(handle, &mode) != 0;
}

// A line as the operator typed it, as UTF-8. A read that Ctrl-C cut short
// brings nothing; a line that begins with Ctrl-Z ends the input, as it does
// for the console's own programs.
bool ReadConsoleLine(HANDLE handle, std::string& bytes) {
    wchar_t buffer[1024];
    DWORD count = 0;
    if (ReadConsoleW(handle, buffer, 1024, &count, nullptr) == 0) {
        return GetLastError() == ERROR_OPERATION_ABORTED;
    }
    if (count > 0 && buffer[0] == L'\x1a') return false;
    bytes = Utf8FromWide(std::wstring_view(buffer, count));
    return true;
}

// False at the end of the pipe (its writer closed it) or when it fails. A
// read that brought nothing, or failed while the pipe is still open (wine's
// reads give way to Ctrl-C), brings nothing and is made again.
bool ReadPipe(HANDLE handle, std::string& bytes) {
    char buffer[4096];
    DWORD count = 0;
    if (ReadFile(handle, buffer, sizeof buffer, &count, nullptr) == 0 || count == 0) {
        DWORD waiting = 0;
        bytes.clear();
        return PeekNamedPipe(handle, nullptr, 0, nullptr, &waiting, nullptr) != 0;
    }
    bytes.assign(buffer, count);
    return true;
}

// How long a console read waits to be asked for before it starts anyway.
constexpr DWORD kAskedWaitMs = 1000;

// Reads ahead one piece at a time: the next read waits until the terminal
// has taken everything before it. A console echoes what is typed where its
// read began, so a console read also waits until the terminal asks for input,
// after its question is out; a read cut short by Ctrl-C waits for the
// question to come again.
void ReadAhead(std::shared_ptr<ConsoleReads> reads, HANDLE handle, bool console) {
    for (;;) {
        if (console) {
            WaitForSingleObject(reads->asked, kAskedWaitMs);
            std::lock_guard<std::mutex> lock(reads->mutex);
            if (reads->abandoned) return;
        }
        std::string bytes;
        const bool more = console ? ReadConsoleLine(handle, bytes) : ReadPipe(handle, bytes);
        if (more && bytes.empty()) {
            if (console) {
                ResetEvent(reads->asked);
            } else {
                Sleep(10);
            }
            continue;
        }
        {
            std::lock_guard<std::mutex> lock(reads->mutex);
            if (more) {
                reads->bytes += bytes;
                // The asks made while this read was waiting are answered by it.
                ResetEvent(reads->asked);
            } else {
                reads->ended = true;
            }
            SetEvent(reads->ready);
        }
        if (!more) return;
        WaitForSingleObject(reads->drained, INFINITE);
        std::lock_guard<std::mutex> lock(reads->mutex);
        if (reads->abandoned) return;
    }
}

bool IsSignalled(HANDLE handle) {
    return WaitForSingleObject(handle, 0) == WAIT_OBJECT_0;
}

}  // namespace

Win32TerminalInput::Win32TerminalInput(void* handle)
    : handle_(handle), open_(IsValid(handle)), console_(IsConsole(handle)) {
    if (open_ && (console_ || GetFileType(handle) == FILE_TYPE_PIPE)) {
        reads_ = std::make_shared<ConsoleReads>();
    }
}

// A thread still waiting for the console's next line ends with the process;
// one waiting for its bytes to be taken ends now.
Win32TerminalInput::~Win32TerminalInput() {
    if (reads_ == nullptr) return;
    std::lock_guard<std::mutex> lock(reads_->mutex);
    reads_->abandoned = true;
    SetEvent(reads_->drained);
    SetEvent(reads_->asked);
}

void Win32TerminalInput::StartReading() {
    if (reading_ || reads_ == nullptr) return;
    reading_ = true;
    std::thread(ReadAhead, reads_, handle_, console_).detach();
}

TerminalInput::Waited Win32TerminalInput::Wait(InterruptRequests& interrupts, bool watchInput,
                                               int timeoutMs) {
    Waited waited;
    const WakeHandle wake = interrupts.Wake();
    const HANDLE wakeEvent = wake.Valid() ? reinterpret_cast<HANDLE>(wake.value) : nullptr;
    if (watchInput && (!open_ || reads_ == nullptr)) {
        // No input at all, or a file, which is always ready to be read.
        waited.input = open_ ? State::Ready : State::Invalid;
        if (wakeEvent != nullptr && IsSignalled(wakeEvent)) interrupts.ClearWake();
        return waited;
    }
    HANDLE handles[2];
    DWORD count = 0;
    if (wakeEvent != nullptr) handles[count++] = wakeEvent;
    if (watchInput) {
        StartReading();
        std::lock_guard<std::mutex> lock(reads_->mutex);
        if (reads_->bytes.empty() && !reads_->ended) SetEvent(reads_->asked);
        handles[count++] = reads_->ready;
    }
    if (count == 0) {
        waited.failed = timeoutMs < 0;
        waited.timedOut = !waited.failed;
        if (waited.timedOut) Sleep(static_cast<DWORD>(timeoutMs));
        return waited;
    }
    const DWORD result = WaitForMultipleObjects(
        count, handles, FALSE, timeoutMs < 0 ? INFINITE : static_cast<DWORD>(timeoutMs));
    if (result == WAIT_FAILED) {
        waited.failed = true;
    } else if (result == WAIT_TIMEOUT) {
        waited.timedOut = true;
    } else {
        if (wakeEvent != nullptr && IsSignalled(wakeEvent)) interrupts.ClearWake();
        if (watchInput && IsSignalled(reads_->ready)) waited.input = State::Ready;
    }
    return waited;
}

std::ptrdiff_t Win32TerminalInput::Read(char* buffer, std::size_t size) {
    if (!open_) return 0;
    if (reads_ == nullptr) {
        DWORD count = 0;
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 20));
        return ReadFile(handle_, buffer, chunk, &count, nullptr) != 0 ? count : 0;
    }
    StartReading();
    std::lock_guard<std::mutex> lock(reads_->mutex);
    if (reads_->bytes.empty()) return reads_->ended ? 0 : -1;
    const std::size_t count = std::min(size, reads_->bytes.size());
    std::memcpy(buffer, reads_->bytes.data(), count);
    reads_->bytes.erase(0, count);
    if (reads_->bytes.empty() && !reads_->ended) {
        ResetEvent(reads_->ready);
        SetEvent(reads_->drained);
    }
    return static_cast<std::ptrdiff_t>(count);
}

Win32TerminalOutput::Win32TerminalOutput(void* handle)
    : handle_(handle), console_(IsConsole(handle)) {
    DWORD mode = 0;
    if (!console_ || GetConsoleMode(handle_, &mode) == 0) return;
    escapes_ = (mode & ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0 ||
               SetConsoleMode(handle_, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0;
}

void Win32TerminalOutput::Write(std::string_view bytes) {
    if (console_) {
        WriteConsoleText(bytes);
        return;
    }
    while (!bytes.empty()) {
        DWORD written = 0;
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 20));
        if (WriteFile(handle_, bytes.data(), chunk, &written, nullptr) == 0 || written == 0) return;
        bytes.remove_prefix(written);
    }
}

void Win32TerminalOutput::WriteConsoleText(std::string_view text) {
    while (!text.empty()) {
        const std::size_t escape = escapes_ ? text.npos : text.find(kClearToLineEnd);
        WriteWide(text.substr(0, escape));
        if (escape == text.npos) return;
        ClearToLineEnd();
        text.remove_prefix(escape + kClearToLineEnd.size());
    }
}

void Win32TerminalOutput::WriteWide(std::string_view text) {
    const std::wstring wide = WideFromUtf8(text);
    std::wstring_view rest(wide);
    while (!rest.empty()) {
        std::size_t chunk = std::min(rest.size(), kConsoleChunk);
        // Both halves of a surrogate pair go in one write.
        if (chunk < rest.size() && rest[chunk - 1] >= 0xD800 && rest[chunk - 1] <= 0xDBFF) --chunk;
        DWORD written = 0;
        if (WriteConsoleW(handle_, rest.data(), static_cast<DWORD>(chunk), &written, nullptr) ==
                0 ||
            written == 0) {
            return;
        }
        rest.remove_prefix(written);
    }
}

// Blanks the rest of the cursor's line, leaving the cursor where it is.
void Win32TerminalOutput::ClearToLineEnd() {
    CONSOLE_SCREEN_BUFFER_INFO info{};
    if (GetConsoleScreenBufferInfo(handle_, &info) == 0) return;
    const DWORD rest = static_cast<DWORD>(info.dwSize.X - info.dwCursorPosition.X);
    DWORD filled = 0;
    FillConsoleOutputCharacterW(handle_, L' ', rest, info.dwCursorPosition, &filled);
}

int Win32TerminalOutput::Columns() const {
    CONSOLE_SCREEN_BUFFER_INFO info{};
    if (!console_ || GetConsoleScreenBufferInfo(handle_, &info) == 0) return 0;
    return info.srWindow.Right - info.srWindow.Left + 1;
}

namespace {

UINT originalOutputPage = 0;

// The console outlives the program: the shell that started it gets its own
// code page back.
void RestoreCodePage() {
    if (originalOutputPage != 0) SetConsoleOutputCP(originalOutputPage);
}

void OpenOnNothing(DWORD stream) {
    if (IsValid(GetStdHandle(stream))) return;
    const HANDLE nothing =
        CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    if (IsValid(nothing)) SetStdHandle(stream, nothing);
}

}  // namespace

// Writing to a pipe whose reader went away fails the write and raises
// nothing on Windows: that part needs no preparing.
void PrepareConsoleProcess() {
    for (DWORD stream : {STD_INPUT_HANDLE, STD_OUTPUT_HANDLE, STD_ERROR_HANDLE}) {
        OpenOnNothing(stream);
    }
    // The program writes UTF-16 to the console itself; the programs it
    // starts and its byte output to the console are UTF-8 all the same. The
    // input page stays: reads of UTF-8 input through it lose every character
    // past ASCII on older Windows.
    originalOutputPage = GetConsoleOutputCP();
    if (originalOutputPage == 0) return;  // no console
    SetConsoleOutputCP(CP_UTF8);
    std::atexit(RestoreCodePage);
}

std::unique_ptr<TerminalInput> MakeStandardInput() {
    return std::make_unique<Win32TerminalInput>(GetStdHandle(STD_INPUT_HANDLE));
}

std::unique_ptr<TerminalOutput> MakeStandardError() {
    return std::make_unique<Win32TerminalOutput>(GetStdHandle(STD_ERROR_HANDLE));
}

}  // namespace brenx::platform
