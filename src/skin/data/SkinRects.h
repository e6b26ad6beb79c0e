#pragma once
// Rectangle and point routines shared by the whole skin library.

#include "SkinTypes.h"

// Right - Left and Bottom - Top, saturated to the 32-bit range so that extreme
// coordinates never overflow.
int32_t RectWidth(const TRect& R);
int32_t RectHeight(const TRect& R);

TRect NullRect();
// True for an empty or inverted rectangle: width or height below 1.
bool IsNullRect(const TRect& R);
// True when either coordinate is 0.
bool IsNullPoint(const TPoint& P);
bool RectsEqual(const TRect& R1, const TRect& R2);
// Right and bottom edges included.
bool PointInRect(const TRect& R, const TPoint& P);
// Both corners of R1 inside R2, whose right and bottom edges are excluded.
bool RectInRect(const TRect& R1, const TRect& R2);
// The larger of two integers.
int32_t MaxOf(int32_t A, int32_t B);
