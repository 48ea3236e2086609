#pragma once
// Swallows the ticks of the settings window's refresh timer on the thread that constructs it.
// A test then decides when the display refreshes, by sending WM_TIMER itself (a sent message
// does not pass the filter), and a scripted session makes the same device operations on
// every run.

#include <windows.h>

class RefreshTimerBlock {
public:
    RefreshTimerBlock();
    ~RefreshTimerBlock();
    RefreshTimerBlock(const RefreshTimerBlock&) = delete;
    RefreshTimerBlock& operator=(const RefreshTimerBlock&) = delete;

    // The identifier the settings window gives its refresh timer.
    static constexpr WPARAM kRefreshTimerId = 1;

private:
    static LRESULT CALLBACK Filter(int code, WPARAM removal, LPARAM message);

    HHOOK m_hook;
};
