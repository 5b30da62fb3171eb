# Real printer descriptions from Debian packages, for the parse benchmark and the corpus run:
# the package is downloaded (apt-get download) and unpacked with dpkg-deb into a scratch folder,
# never installed. Source this file, then: ppd_corpus_extract PACKAGE FOLDER. FOLDER/PACKAGE then
# holds every PPD of the package uncompressed, one file each (plain and gzipped files under
# usr/share/ppd, and the archives of its PPD driver programs). A finished extraction is kept and
# reused; the number of files is printed.

ppd_corpus_extract() {
  local package=$1 folder=$2
  local target="$folder/$package"
  if [[ -f "$target/.complete" ]]; then
    find "$target" -type f -not -name .complete | wc -l
    return 0
  fi
  local scratch
  scratch=$(mktemp -d "$folder/.download-XXXXXX")
  rm -rf "$target"
  mkdir -p "$target"
  if ! (cd "$scratch" && apt-get download -q "$package" >/dev/null 2>&1); then
    # A fresh machine may not have the package lists yet.
    local sudo_cmd=()
    [[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -q >/dev/null
    (cd "$scratch" && apt-get download -q "$package" >/dev/null 2>&1) || {
      echo "ppd-corpus: cannot download $package" >&2
      rm -rf "$scratch"
      return 1
    }
  fi
  dpkg-deb -x "$scratch"/"${package}"_*.deb "$scratch/root"
  local file name
  if [[ -d "$scratch/root/usr/share/ppd" ]]; then
    while IFS= read -r -d '' file; do
      name=${file#"$scratch/root/usr/share/ppd/"}
      name=${name//\//_}
      name=${name%.gz}
      if gzip -t "$file" 2>/dev/null; then gzip -dc "$file" >"$target/$name"; else cp "$file" "$target/$name"; fi
    done < <(find "$scratch/root/usr/share/ppd" -type f -print0)
  fi
  local lib
  lib=$(dirname "${BASH_SOURCE[0]}")
  for file in "$scratch"/root/usr/lib/cups/driver/*; do
    [[ -f $file ]] && grep -q '^ppds_compressed_b64 = ' "$file" || continue
    python3 "$lib/ppd-archive.py" "$file" "$target" >/dev/null
  done
  rm -rf "$scratch"
  touch "$target/.complete"
  find "$target" -type f -not -name .complete | wc -l
}
