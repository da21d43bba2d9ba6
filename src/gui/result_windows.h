#pragma once

class QWidget;

namespace taviro {
class AnalyzerWindows;
class TGlobal;
} // namespace taviro

namespace taviro::gui {

class AnalyzerApp;
class QtUserInterface;

// Creates every score and analysis window of the analyzer once, over the logic in windows, as
// children of parent (which owns them), and registers each with ui so that showing the window
// shows it maximised and modal. The weighted score window and the distractor window exist in
// the multiple-choice analyzer only. Errors and messages reach the user through the interface
// that the logic was given.
void RegisterResultWindows(QtUserInterface& ui, AnalyzerWindows& windows, const TGlobal& global,
                           QWidget* parent);
// The same for the analyzer put together, over its main window.
void RegisterResultWindows(AnalyzerApp& app);

} // namespace taviro::gui
