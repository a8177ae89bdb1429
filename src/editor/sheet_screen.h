#pragma once
// The sheet screen: geometry and drawing of the resource columns.
namespace vorda {

// Draws the line's TVP (computed plus manual) in the TVP column at x 195.
void DrawLineSum(int line);

}  // namespace vorda
