#!/usr/bin/python3
# Test SMTP server: smtp_server.py PORT OUTDIR
# AUTH LOGIN for testuser/secret without TLS (535 otherwise), AUTH only after EHLO as in
# stock servers, no size limit. Each message goes to OUTDIR/NNNN.eml (the data as the
# client wrote it, dots unstuffed, no terminator) with NNNN.json beside it. Prints READY.
import json
import logging
import os
import signal
import sys
import threading
import warnings

from aiosmtpd.controller import Controller
from aiosmtpd.smtp import AuthResult, LoginPassword

warnings.filterwarnings("ignore")  # AUTH without TLS is the point here
logging.disable(logging.WARNING)
port, out = int(sys.argv[1]), sys.argv[2]
os.makedirs(out, exist_ok=True)


def check(server, session, envelope, mechanism, auth_data):
    good = isinstance(auth_data, LoginPassword) and auth_data.login == b"testuser" and auth_data.password == b"secret"
    return AuthResult(success=good, handled=False, auth_data=auth_data)


class Store:
    count = 0

    async def handle_DATA(self, server, session, envelope):
        Store.count += 1
        base = os.path.join(out, "%04d" % Store.count)
        with open(base + ".part", "wb") as f:
            f.write(envelope.original_content)
        with open(base + ".json", "w") as f:
            json.dump({"from": envelope.mail_from, "to": envelope.rcpt_tos}, f)
        os.rename(base + ".part", base + ".eml")  # the test waits for this name
        return "250 OK stored"


controller = Controller(Store(), hostname="127.0.0.1", port=port, server_hostname="smtp.test",
                        authenticator=check, auth_require_tls=False, auth_required=True,
                        data_size_limit=None)
controller.start()
print("READY", flush=True)
done = threading.Event()
signal.signal(signal.SIGTERM, lambda *a: done.set())
signal.signal(signal.SIGINT, lambda *a: done.set())
done.wait()
controller.stop()
