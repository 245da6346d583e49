# shellcheck shell=bash
# The release's parts, shared by scripts/package (which makes the release)
# and scripts/check-release (which checks it): sourced after lib.sh, not run.
#   release_zip      the zip of the program and its README, for copying by hand
#   release_msi      the per-user Windows installer (wixl of msitools)
#   release_deb      the Debian package with the Wine launcher
#   sign_windows_file  an Authenticode signature (osslsigncode)
# Each writes one file, and every one of them is reproducible: the same
# program and sources give the same bytes (a signature aside, which holds the
# signing time).

PACKAGING="$ROOT/packaging"
# The program's Russian title: the version information's product name, the
# window's caption, the installer's product and shortcut.
PROGRAM_TITLE="Телефонный справочник г.Тальмир"
# The maker's page (the About window's first link), named in the signature.
MAKER_URL="https://example.com/"
# The installer's upgrade code, also in packaging/windows/phonebook.wxs: it
# never changes, and the product codes are derived from it.
UPGRADE_CODE="3641DAC5-5CAE-4059-AE0A-4404BB52DFC3"
# The icon sizes of the hicolor theme in the Debian package; the small
# picture is drawn for 16 and 24 pixels, the full one for the others.
DEB_ICON_SIZES=(16 24 32 48 64 128 256)
DEB_ID="com.example.phonebook"

# The packages the release needs beyond lib.sh's, as "check|package" pairs.
RELEASE_PACKAGES=(
  "zip|zip" "wixl|wixl" "msibuild|msitools" "faketime|faketime" "osslsigncode|osslsigncode"
  "dpkg-deb|dpkg" "rsvg-convert|librsvg2-bin" "flock|util-linux"
)
# What scripts/check-release needs besides.
RELEASE_CHECK_PACKAGES=(
  "Xvfb|xvfb" "lintian|lintian" "desktop-file-validate|desktop-file-utils" "appstreamcli|appstream"
  "openssl|openssl" "unzip|unzip" "msiextract|msitools" "xwininfo|x11-utils" "/usr/bin/wine|wine" "man|man-db"
)

# release_version: the version of project(...) in CMakeLists.txt, as the
# configured Windows tree has it.
release_version() {
  local version
  version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BUILD/win/CMakeCache.txt" 2>/dev/null)"
  [ -n "$version" ] || die "no project version in $BUILD/win/CMakeCache.txt"
  echo "$version"
}

# release_date: the sources' date (seconds since 1970) the build put in the
# program, never before 1980 (the first time a zip file can hold).
release_date() {
  local date
  date="$(cat "$BUILD/win/identity/source_date.txt" 2>/dev/null)"
  [ "$date" -ge 315532800 ] 2>/dev/null || date=315532800
  echo "$date"
}

# derived_uuid NAME: a GUID made from NAME and the upgrade code (the first 128
# bits of their SHA-256, marked as a name-based UUID), so the same name always
# gives the same GUID. Upper case, without braces.
derived_uuid() {
  local hex
  hex="$(printf '%s\n%s' "$UPGRADE_CODE" "$1" | sha256sum | cut -c1-32)"
  # Version 5 in the third group, the RFC 4122 variant in the fourth.
  hex="${hex:0:12}5${hex:13:3}$(printf '%x' $(((0x${hex:16:1} & 0x3) | 0x8)))${hex:17:15}"
  hex="${hex^^}"
  echo "${hex:0:8}-${hex:8:4}-${hex:12:4}-${hex:16:4}-${hex:20:12}"
}

# msi_product_code VERSION: the installer's product code, one per version, so
# each version is a product of its own and a newer one replaces an older one.
msi_product_code() { derived_uuid "product $1"; }

# release_zip PROGRAM VERSION DATE OUT: the zip with phonebook.exe and the
# Russian README.txt, both with DATE as their time, in a fixed order, with
# fixed permissions and no extra attributes.
release_zip() {
  local program="$1" version="$2" date="$3" out="$4" work
  work="$(mktemp -d "$BUILD/zip.XXXXXX")"
  cp "$program" "$work/phonebook.exe"
  # The README for Windows: UTF-8 with a byte order mark, CR LF line ends.
  {
    printf '\xEF\xBB\xBF'
    sed -e "s/@VERSION@/$version/g" -e 's/$/\r/' "$ROOT/resources/release_readme.txt"
  } >"$work/README.txt"
  chmod 0644 "$work/phonebook.exe" "$work/README.txt"
  touch -d "@$date" "$work/phonebook.exe" "$work/README.txt"
  rm -f "$out"
  # -X: no extra attributes (owner, extended times); -D: no folder entries;
  # UTC for the times zip stores in local time.
  (cd "$work" && TZ=UTC zip -X -D -q -9 "$out" phonebook.exe README.txt) ||
    { rm -rf "$work"; die "zip could not write $out"; }
  touch -d "@$date" "$out"
  rm -rf "$work"
}

# release_msi PROGRAM VERSION DATE OUT: the Windows installer of PROGRAM.
# wixl runs at the frozen time DATE (it stamps the database with the current
# time); the package code is derived from the database's bytes, so two
# builds from the same program are the same bytes and two different ones
# never share a package code.
release_msi() {
  local program="$1" version="$2" date="$3" out="$4" work size_kb stamp
  work="$(mktemp -d "$BUILD/msi.XXXXXX")"
  size_kb=$((($(stat -c %s "$program") + 1023) / 1024))
  stamp="$(date -u -d "@$date" '+%Y-%m-%d %H:%M:%S')"
  cp "$program" "$work/phonebook.exe"
  cp "$BUILD/win/identity/phonebook.ico" "$work/phonebook.ico"
  touch -d "@$date" "$work/phonebook.exe" "$work/phonebook.ico"
  # wixl finds the files to install by names relative to where it runs.
  (cd "$work" && TZ=UTC faketime -f "$stamp" wixl -a x64 -D Version="$version" \
    -D ProductCode="$(msi_product_code "$version")" -D Program=phonebook.exe -D Icon=phonebook.ico \
    -D SizeKb="$size_kb" -o phonebook.msi "$PACKAGING/windows/phonebook.wxs" >wixl.log 2>&1) ||
    { cat "$work/wixl.log" >&2; rm -rf "$work"; die "wixl could not make the installer"; }
  # The Russian texts, in code page 1251 (the product's language, 1049);
  # the user's programs folder as one the product creates, so that the
  # removal takes it away when it is left empty (after the product's own
  # folder is gone: the folders' actions run after the files'; wixl writes
  # neither the row nor the actions); and the summary: ASCII, x64, Russian,
  # first with a zero package code (wixl's is random), then with one derived
  # from all the other bytes.
  printf '\r\n\r\n1251\t_ForceCodepage\r\n' >"$work/_ForceCodepage.idt"
  local summary=("Talmir phone directory" "Cobbletree Soft" "x64;1049")
  msibuild "$work/phonebook.msi" -i "$work/_ForceCodepage.idt" \
    -q "UPDATE Property SET Value='$PROGRAM_TITLE' WHERE Property='ProductName'" \
    -q "UPDATE Shortcut SET Name='$PROGRAM_TITLE' WHERE Shortcut='StartMenuShortcut'" \
    -q "UPDATE Shortcut SET Description='Чей это номер и какой номер у этого человека' WHERE Shortcut='StartMenuShortcut'" \
    -q "UPDATE LaunchCondition SET Description='Уже установлена более новая версия справочника.' WHERE Condition='NOT WIX_DOWNGRADE_DETECTED'" \
    -q "INSERT INTO CreateFolder (Directory_, Component_) VALUES ('UserPrograms', 'Program')" \
    -q "INSERT INTO InstallExecuteSequence (Action, Sequence) VALUES ('RemoveFolders', 3600)" \
    -q "INSERT INTO InstallExecuteSequence (Action, Sequence) VALUES ('CreateFolders', 3700)" \
    -s "${summary[@]}" "{00000000-0000-0000-0000-000000000000}" >"$work/msibuild.log" 2>&1 &&
    msibuild "$work/phonebook.msi" -s "${summary[@]}" \
      "{$(derived_uuid "package $(sha256sum <"$work/phonebook.msi" | cut -c1-64)")}" >>"$work/msibuild.log" 2>&1 ||
    { cat "$work/msibuild.log" >&2; rm -rf "$work"; die "msibuild could not write the installer's Russian texts"; }
  local table
  for table in Property Shortcut LaunchCondition; do
    if msiinfo export "$work/phonebook.msi" "$table" | grep -q PLACEHOLDER; then
      rm -rf "$work"
      die "the installer's $table table still holds a placeholder text"
    fi
  done
  mv -f "$work/phonebook.msi" "$out"
  touch -d "@$date" "$out"
  rm -rf "$work"
}

# release_deb PROGRAM VERSION DATE OUT: the Debian package: the program under
# /usr/lib/phonebook, the launcher /usr/bin/phonebook, the desktop entry, the
# icons, the AppStream description, the manual page and the documentation.
# Every file has DATE as its time and root as its owner, so the package is
# reproducible.
release_deb() {
  local program="$1" version="$2" date="$3" out="$4" work root
  work="$(mktemp -d "$BUILD/deb.XXXXXX")"
  root="$work/phonebook"
  local day changelog_date
  day="$(date -u -d "@$date" '+%Y-%m-%d')"
  changelog_date="$(LC_ALL=C date -u -d "@$date" -R)"
  (
    set -e
    umask 022
    install -D -m 0755 "$PACKAGING/linux/phonebook" "$root/usr/bin/phonebook"
    install -D -m 0644 "$program" "$root/usr/lib/phonebook/phonebook.exe"
    install -D -m 0644 "$PACKAGING/linux/$DEB_ID.desktop" "$root/usr/share/applications/$DEB_ID.desktop"
    mkdir -p "$root/usr/share/metainfo" "$root/usr/share/man/man1" "$root/usr/share/doc/phonebook"
    sed -e "s/@VERSION@/$version/g" -e "s/@DATE@/$day/g" "$PACKAGING/linux/$DEB_ID.metainfo.xml.in" \
      >"$root/usr/share/metainfo/$DEB_ID.metainfo.xml"
    sed -e "s/@VERSION@/$version/g" -e "s/@DATE@/$day/g" "$PACKAGING/linux/phonebook.1.in" |
      gzip -9n >"$root/usr/share/man/man1/phonebook.1.gz"
    install -m 0644 "$PACKAGING/linux/copyright" "$root/usr/share/doc/phonebook/copyright"
    sed -e "s/@VERSION@/$version/g" -e "s/@CHANGELOG_DATE@/$changelog_date/g" "$PACKAGING/linux/changelog.in" |
      gzip -9n >"$root/usr/share/doc/phonebook/changelog.gz"
    local size picture icons="$root/usr/share/icons/hicolor"
    for size in "${DEB_ICON_SIZES[@]}"; do
      picture="$ROOT/resources/program_icon.svg"
      [ "$size" -gt 24 ] || picture="$ROOT/resources/program_icon_small.svg"
      mkdir -p "$icons/${size}x$size/apps"
      rsvg-convert -w "$size" -h "$size" -o "$icons/${size}x$size/apps/$DEB_ID.png" "$picture"
    done
    install -D -m 0644 "$ROOT/resources/program_icon.svg" "$icons/scalable/apps/$DEB_ID.svg"
    chmod 0644 "$root"/usr/share/*/"$DEB_ID".* "$icons"/*/apps/*
    mkdir -p "$root/DEBIAN"
    (cd "$root" && find usr -type f | LC_ALL=C sort | xargs md5sum) >"$root/DEBIAN/md5sums"
    local installed_size
    installed_size="$(du -s -k --apparent-size "$root/usr" | cut -f1)"
    sed -e "s/@VERSION@/$version/g" -e "s/@INSTALLED_SIZE@/$installed_size/g" "$PACKAGING/linux/control.in" \
      >"$root/DEBIAN/control"
    chmod 0644 "$root/DEBIAN/md5sums" "$root/DEBIAN/control"
    find "$root" -exec touch -h -d "@$date" {} +
  ) || { rm -rf "$work"; die "could not lay out the Debian package's files"; }
  rm -f "$out"
  SOURCE_DATE_EPOCH="$date" dpkg-deb --root-owner-group -Zxz --build "$root" "$out" >"$work/dpkg-deb.log" 2>&1 ||
    { cat "$work/dpkg-deb.log" >&2; rm -rf "$work"; die "dpkg-deb could not make $out"; }
  rm -rf "$work"
}

# sign_windows_file IN OUT: OUT is IN (a program or an installer) with an
# Authenticode signature by the certificate PHONEBOOK_SIGN_PKCS12 (its
# password PHONEBOOK_SIGN_PASSWORD): SHA-256, the program's title and the
# maker's page, and a time stamp from PHONEBOOK_SIGN_TIMESTAMP_URL when that
# is set (the build needs no network otherwise). On a failure nothing is left
# at OUT and the script stops with the reason.
sign_windows_file() {
  local in="$1" out="$2" log
  local options=(-pkcs12 "$PHONEBOOK_SIGN_PKCS12" -h sha256 -n "$PROGRAM_TITLE" -i "$MAKER_URL")
  [ -z "${PHONEBOOK_SIGN_TIMESTAMP_URL:-}" ] || options+=(-ts "$PHONEBOOK_SIGN_TIMESTAMP_URL")
  log="$(mktemp "$BUILD/sign.XXXXXX")"
  rm -f "$out"
  # The password goes through a pipe, not the command line (which others can read).
  local status=0
  if [ -n "${PHONEBOOK_SIGN_PASSWORD+set}" ]; then
    osslsigncode sign "${options[@]}" -readpass <(printf '%s' "$PHONEBOOK_SIGN_PASSWORD") \
      -in "$in" -out "$out" >"$log" 2>&1 || status=$?
  else
    osslsigncode sign "${options[@]}" -in "$in" -out "$out" >"$log" 2>&1 || status=$?
  fi
  if [ "$status" -ne 0 ]; then
    rm -f "$out"
    local reason
    reason="$(grep -m1 'PKCS#12' "$log" || grep -m1 -v '^\s*$' "$log")"
    rm -f "$log"
    case "$reason" in
      *PKCS#12*)
        die "the certificate PHONEBOOK_SIGN_PKCS12=$PHONEBOOK_SIGN_PKCS12 does not open: a wrong PHONEBOOK_SIGN_PASSWORD, or no PKCS#12 file with a certificate and its key (osslsigncode: $reason)" ;;
    esac
    die "osslsigncode could not sign ${in##*/} (osslsigncode: $reason)"
  fi
  rm -f "$log"
}
