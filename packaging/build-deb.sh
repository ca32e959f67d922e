#!/usr/bin/env bash
# Builds the Debian package out/zub-hangman_<version>_<arch>.deb from debian/ with dpkg-buildpackage,
# then checks it with lintian, which must report no error and no warning.
#
# The package names as its maintainer whoever builds it: DEBFULLNAME and DEBEMAIL when they are set, as
# Debian's own tools read them, otherwise the name and address of git's configuration (git config
# user.name / user.email). The build runs on a copy of the source tree in build/deb, because
# dpkg-buildpackage writes its packages into the folder above the tree.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/setup-common.sh

zub_install_packages "${ZUB_PACKAGES[@]}" "${ZUB_PACKAGE_TOOLS[@]}"

maintainer_name=${DEBFULLNAME:-}
maintainer_mail=${DEBEMAIL:-}
# DEBEMAIL may hold the whole "Name <address>".
if [[ $maintainer_mail =~ ^(.*[^ ])\ *\<(.*)\>$ ]]; then
    maintainer_name=${maintainer_name:-${BASH_REMATCH[1]}}
    maintainer_mail=${BASH_REMATCH[2]}
fi
maintainer_name=${maintainer_name:-$(git config user.name || true)}
maintainer_mail=${maintainer_mail:-$(git config user.email || true)}
if [ -z "$maintainer_name" ] || [ -z "$maintainer_mail" ]; then
    echo "Set DEBFULLNAME and DEBEMAIL (or git's user.name and user.email) to the package's maintainer." >&2
    exit 1
fi
maintainer="$maintainer_name <$maintainer_mail>"

version=$(dpkg-parsechangelog -S Version)
work=build/deb
tree="$work/zub-hangman-$version"
rm -rf "$work"
mkdir -p "$tree"
# The files of the checkout as they stand, without what git ignores (earlier builds, installs, packages).
git ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' file; do [ -e "$file" ] && printf '%s\0' "$file"; done |
    tar --null -T - -cf - | tar -xf - -C "$tree"
escaped=$(printf '%s' "$maintainer" | sed 's/[\/&]/\\&/g')
sed -i "s/^Maintainer: .*/Maintainer: $escaped/" "$tree/debian/control"
echo "Maintainer: $maintainer"

(cd "$tree" && DEB_BUILD_OPTIONS="parallel=2 ${DEB_BUILD_OPTIONS:-}" dpkg-buildpackage -us -uc -b)

arch=$(dpkg-architecture -qDEB_HOST_ARCH)
deb="zub-hangman_${version}_${arch}.deb"
mkdir -p out
cp "$work/$deb" out/
ls -l "out/$deb"
dpkg-deb --field "out/$deb" Maintainer Depends Recommends

echo "lintian out/$deb"
lintian --fail-on error,warning "out/$deb"
echo "lintian: no error and no warning"
