// The symmetry commands' point input and drawing: rectangles and transistors
// picked on the main view, rectangles and axes drawn there.
#pragma once

int BoundBox();
int SelTrans1();
int SelTrans2();
int TransSym();
