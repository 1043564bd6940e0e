#pragma once
#include <functional>

class QDialog;

// Every modal window of the game opens through here, so a test can drive it step by step: with a
// hook installed, the hook gets the loaded dialog instead of a nested event loop.
void showModal(QDialog& dialog);
void setModalHook(std::function<void(QDialog&)> hook);

// Runs the action at once when no modal window or message box is open, else soon after the last
// one has closed, from the event loop.
void whenNoModalWindow(std::function<void()> action);
