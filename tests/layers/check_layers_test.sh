#!/usr/bin/env bash
# The layer check fails on each kind of upward include in a small tree, and passes a tree
# that keeps to the order.
set -euo pipefail
check="$(dirname "$0")/../../scripts/check-layers"
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT

mkdir -p "$tree"/{platform,windows/qt,presentation,subdisplay,music,shell,app}
cat > "$tree/presentation/engine.cpp" <<'CPP'
#include "platform/timers.h"
#include "windows/windowmanager.h"
#include <QString>
CPP
cat > "$tree/presentation/qtwindow.cpp" <<'CPP'
#include "windows/qt/widgetwindow.h"
#include "presentation/engine.h"
CPP
cat > "$tree/app/main.cpp" <<'CPP'
#include "shell/preview.h"
#include "presentation/qtwindow.h"
CPP

if ! "$check" "$tree" >/dev/null; then
  echo "FAIL: a tree that keeps to the order was refused" >&2
  exit 1
fi

expect_refused() {
  local file=$1 include=$2 reason=$3
  printf '#include "%s"\n' "$include" >> "$tree/$file"
  local output
  if output=$("$check" "$tree" 2>&1); then
    echo "FAIL: $file including $include was let through" >&2
    exit 1
  fi
  if ! grep -q "$reason" <<<"$output"; then
    echo "FAIL: $file including $include: expected '$reason', got: $output" >&2
    exit 1
  fi
  sed -i '$d' "$tree/$file"
}

expect_refused windows/manager.h presentation/engine.h "a layer above 'windows'"
expect_refused subdisplay/commands.cpp music/commands.h "shares a layer with 'subdisplay'"
expect_refused presentation/engine.cpp presentation/qtwindow.h "Qt window"
expect_refused presentation/engine.cpp windows/qt/widgetwindow.h "Qt window"
expect_refused shell/preview.cpp app/application.h "composition root"
expect_refused platform/timers.h elsewhere/thing.h "no place in the layer order"
mkdir -p "$tree/stray" && touch "$tree/stray/x.h"
if "$check" "$tree" >/dev/null 2>&1; then
  echo "FAIL: a folder outside the layer order was let through" >&2
  exit 1
fi
echo "check-layers refuses every kind of upward include"
