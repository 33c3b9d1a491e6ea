# Sourced by printout-to-pdf.sh: a CUPS scheduler of the test's own. Its configuration, spool and
# logs are in $cups_dir (under the build folder); it listens only on the socket there, which
# CUPS_SERVER names to the CUPS tools and, through libcups, to Wine. The system's scheduler, its
# queues and its default printer are never touched, whether or not one runs.
# The scheduler runs in a mount namespace where $cups_dir/etc is /etc/cups, because the cups-pdf
# backend reads its settings from there only, and $cups_dir/spool is /var/spool/cups, which the
# filters (run as lp) reach whatever the build folder's permissions.
#   start_private_cups   starts it, exports CUPS_SERVER; returns 1 when it does not answer
#   stop_private_cups    stops it
cups_pid=

start_private_cups() {
  rm -rf "$cups_dir" && mkdir -p "$cups_dir"/{etc/ppd,etc/ssl,spool,cache,state,log,pdf-spool}
  cat >"$cups_dir/etc/cupsd.conf" <<CONF
Listen $cups_dir/cups.sock
Browsing No
WebInterface No
LogLevel warn
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
  cat >"$cups_dir/etc/cups-files.conf" <<CONF
SystemGroup root
CacheDir $cups_dir/cache
StateDir $cups_dir/state
ErrorLog $cups_dir/log/error_log
AccessLog $cups_dir/log/access_log
PageLog $cups_dir/log/page_log
CONF
  printf 'Out %s\nLabel 2\nSpool %s\nLog %s\n' "$out" "$cups_dir/pdf-spool" "$cups_dir/log" >"$cups_dir/etc/cups-pdf.conf"
  # Detached, so that it holds none of the test's output open.
  setsid unshare --mount --propagation private sh -c '
    mount --bind "$1/etc" /etc/cups && mount --bind "$1/spool" /var/spool/cups && exec cupsd -f' \
    private-cups "$cups_dir" </dev/null >"$cups_dir/log/cupsd.out" 2>&1 &
  cups_pid=$!
  export CUPS_SERVER=$cups_dir/cups.sock
  for _ in $(seq 50); do
    lpstat -r 2>/dev/null | grep -qx "scheduler is running" && return 0
    sleep 0.2
  done
  return 1
}

stop_private_cups() {
  [ -n "$cups_pid" ] || return 0
  kill "$cups_pid" 2>/dev/null
  wait "$cups_pid" 2>/dev/null
  cups_pid=
}
