// Helpers of the extraction tests: a started system with the test technology,
// loading generated layouts through the one-step load, and the comparison of
// the extracted circuit with the independent connectivity model.
#pragma once

#include <string>
#include <vector>

#include "connectivity_model.h"
#include "support/circuit_layouts.h"

struct _Dtransistor;

// Starts the system without a window and loads the test technology.
void startExtractSession();
// Writes the layout as CIF into the build directory and runs the one-step load.
void loadGenerated(const CvLayout& layout, const std::string& name);
// The flattened layout's rectangles and the technology's elements and
// connections, as the model takes them.
ConnectivityModel modelOfFlatLayout();
std::vector<_Dtransistor*> allTransistors();
// Transistor count, sizes, element and the partition of terminals into nets
// equal the model's; reports failures through gtest.
void expectMatchesModel(const ConnectivityModel& model);
