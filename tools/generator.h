#pragma once

#include "model/zestawienie.h"

// Fills a project with `okien` windows of varied types and sizes, with every
// level (basement, ground floor, `pieter` floors, attic) counted and remarks.
void GenerujProjekt(TZestawienieStolarki& p, int okien, int pieter = 3);
