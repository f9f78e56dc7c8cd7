#pragma once
// The host's main window: the top-level window that modeless dialogs of a module take as their parent and
// give the focus back to.
namespace ui {
class Window;
}

// Created on first use (and again after the desktop was reset); never null.
ui::Window* adsw_acadMainWnd();
