# Sourced by wine.sh for the fetch tests. Wine's TLS cannot take the key of a
# server inside the Windows test (it cannot read the PKCS#12 Qt makes of it),
# so the test's server answers in plain HTTP and socat, on this side, puts
# TLS in front of it with the test certificates: one front for each name.
# The Windows program's own TLS, the part that ships, is what talks to them.
#   TICKETWISE_TLS_FRONT=CERTIFICATES_DIR (localhost.pem/.key, elsewhere.test.pem/.key)
# exports TICKETWISE_TLS_FRONT_PORTS="behind=PORT localhost=PORT elsewhere.test=PORT".

if ! command -v socat >/dev/null; then
    echo "FAILED: socat is not installed (make deps installs it)" >&2
    exit 1
fi

front_pids=()
stop_fronts() {
    [ "${#front_pids[@]}" -eq 0 ] || kill "${front_pids[@]}" 2>/dev/null || true
}
trap stop_fronts EXIT

# A port nothing answers on now; the test's server and the fronts take them.
free_port() {
    local port
    while :; do
        port=$((20000 + RANDOM % 40000))
        (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null || break
    done
    echo "$port"
}

behind=$(free_port)
TICKETWISE_TLS_FRONT_PORTS="behind=$behind"
for name in localhost elsewhere.test; do
    for attempt in 1 2 3 4 5; do
        port=$(free_port)
        socat -T 60 -t 0 "OPENSSL-LISTEN:$port,bind=127.0.0.1,reuseaddr,fork,verify=0,cert=$TICKETWISE_TLS_FRONT/$name.pem,key=$TICKETWISE_TLS_FRONT/$name.key" \
            "TCP:127.0.0.1:$behind" 2>/dev/null &
        pid=$!
        for _ in $(seq 50); do
            (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null && break
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        if kill -0 "$pid" 2>/dev/null; then
            front_pids+=("$pid")
            TICKETWISE_TLS_FRONT_PORTS+=" $name=$port"
            break
        fi
        [ "$attempt" -lt 5 ] || {
            echo "FAILED: socat could not listen for $name" >&2
            exit 1
        }
    done
done
export TICKETWISE_TLS_FRONT_PORTS
