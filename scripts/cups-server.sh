# Sourced by the window benchmarks and the Windows build's printing check:
# a CUPS server of the caller's own (needs root) with a cups-pdf queue as
# the default printer, "bench" unless named, so that the set-up window
# offers the printer and file destinations. cups-pdf puts each job's PDF
# into ~/PDF of the job's user. stop_cups stops it.
#   start_cups FOLDER [QUEUE]
start_cups() {
  local root=$1/cups queue=${2:-bench}
  mkdir -p "$root"/{conf,spool,cache,state,tmp,log}
  chmod 755 "$root" && chmod 777 "$root/tmp"
  export CUPS_SERVER=$root/cups.sock
  cat >"$root/conf/cupsd.conf" <<EOF
Listen $CUPS_SERVER
LogLevel warn
Browsing Off
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
EOF
  cat >"$root/conf/cups-files.conf" <<EOF
ServerRoot $root/conf
RequestRoot $root/spool
CacheDir $root/cache
StateDir $root/state
TempDir $root/tmp
ErrorLog $root/log/error_log
AccessLog $root/log/access_log
PageLog $root/log/page_log
ServerBin /usr/lib/cups
DataDir /usr/share/cups
Sandboxing Relaxed
SystemGroup root
EOF
  /usr/sbin/cupsd -f -c "$root/conf/cupsd.conf" -s "$root/conf/cups-files.conf" &
  cups_pid=$!
  for _ in $(seq 100); do
    lpstat -r 2>/dev/null | grep -q "is running" && break
    sleep 0.1
  done
  lpadmin -p "$queue" -E -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
  lpadmin -d "$queue"
}

stop_cups() {
  [ -n "${cups_pid:-}" ] && kill "$cups_pid" 2>/dev/null && wait "$cups_pid" 2>/dev/null || true
}
