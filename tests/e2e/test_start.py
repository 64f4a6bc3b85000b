"""Program start: what a run without a profile name prints."""

import os

import harness

ERROR_1001 = "Error 1001: Parameter for Profile-Name is missing !"


class StartTest(harness.FernwatchCase):
    def test_no_arguments_gives_error_1001_alone(self):
        result = self.run_program()
        self.assertErrorDocument(result, ERROR_1001)
        self.assertEqual(os.listdir(self.work_dir), ["bin"], "no file written")

    def test_error_1001_whatever_the_front_end(self):
        self.designate_frontend("Quorvane")
        result = self.run_program()
        self.assertErrorDocument(result, ERROR_1001)
