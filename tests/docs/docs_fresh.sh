#!/usr/bin/env bash
# Fails when docs/ is stale: the control pages' generated parts differ from what
# ulmaro_doc_pages makes of the project now (compared as text), or a picture differs from
# what its form and script draw now (pixel for pixel), or a picture has no script.
# Usage (from the source folder): tests/docs/docs_fresh.sh BUILD_DIR
set -u
build=$1
out=$build/docs-check
rm -rf "$out" && mkdir -p "$out"
status=0
"$build/ulmaro_doc_pages" docs "$out" || exit 1
for page in "$out"/controls/*.md; do
  diff -u "docs/controls/$(basename "$page")" "$page" || status=1
done
for picture in $(find docs -name '*.png' -path 'docs/*/*' | sort); do
  script=${picture%.png}.script
  [ -f "$script" ] || { echo "$picture: no script draws it"; status=1; continue; }
done
for script in $(find docs -name '*.script' | sort); do
  dir=$(dirname "$script")
  name=$(basename "$script" .script)
  mkdir -p "$out/$dir"
  if ! "$build/ulmaro" render "$dir/form.json" --script "$script" -o "$out/$dir/$name.png" \
      --expect "$dir/$name.png" > "$out/$dir/$name.log" 2>&1; then
    echo "$dir/$name.png is stale:"; grep -v '^[A-Za-z0-9_]*\.' "$out/$dir/$name.log"
    status=1
  fi
done
[ $status -eq 0 ] || echo "docs are stale: run make docs, then look at every changed picture"
exit $status
