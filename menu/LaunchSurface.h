#pragma once
// Where the pouch menu was asked for: the code every launch surface hands
// to ShowPouchMenu. The desktop edges use the codes of their "StowpouchMsg".

enum LaunchSurface {
  kSurfaceTrayIcon = 1,
  kSurfaceQuickLaunch = 2,
  kSurfaceMenuHotKey = 3,
  kSurfaceEdgeLeft = 200,
  kSurfaceEdgeRight = 201,
  kSurfaceEdgeTop = 202,
  kSurfaceEdgeBottom = 203,
};
