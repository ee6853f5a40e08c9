// The batch line "plots png|svg|off": the format of the plot files the plot
// commands write beside their pop-up drawing.
#pragma once

bool DYbatchPlots(const char* args, int lineno);
