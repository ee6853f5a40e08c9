// What the core's commands ask of the front end that shows them. The Motif
// program installs hooks that manage its dialogs and widgets; the batch
// program installs hooks that take the next script argument instead. A null
// hook means there is nothing to show.
#pragma once

struct DIfrontEnd {
  // Manage the shared file dialog with its OK bound to DIacceptCB(code).
  void (*openFileDialog)(int code) = nullptr;
  // Show the value form with its prompt and current value, bound to DIacceptCB(code).
  void (*openForm)(const char* prompt, const char* value, int code) = nullptr;
  // Take the file dialog or form down (after a parse, successful or not).
  void (*popdownDialog)() = nullptr;
  // New range of the defect-size scale, in tenths of a micron.
  void (*setScaleRange)(int minimum, int maximum) = nullptr;
  // Rebuild the layer buttons after a technology load.
  void (*layerControl)() = nullptr;
  // Make the drawing context of Glayers[layer] (bitmap and colour are checked already).
  void (*makeLayerGC)(int layer) = nullptr;
};

void DIsetFrontEnd(const DIfrontEnd& hooks);
const DIfrontEnd& DIgetFrontEnd();

// Core entry points that go through the hooks.
void DIopenFileDialog(int code);
void DIopenForm(const char* prompt, const char* value, int code);
void DIpopdownDialog();
